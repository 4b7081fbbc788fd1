#include "session.h"

#include "form2.h"
#include "form3.h"
#include "playerstate.h"
#include "testlogic.h"

#include "ui/controls.h"
#include "ui/platform.h"

namespace player {

Form3 *startTest(Form2 *selection, const QString &pupilName, QWidget *startWindow)
{
    if (Form3::qualifyingTestCount(selection) == 0) {
        // The pupil did choose: say which subjects cannot be asked.
        QStringList tooFew;
        for (int i = 0; i < state().subjectCount && i < selection->Check1.count(); ++i) {
            if (ui::isBold(selection->Check1(i)))
                tooFew.append(selection->Check1(i)->text());
        }
        ui::message(selection, tooFew.isEmpty() ? selection->selectionWarning() : tooFewQuestionsText(tooFew));
        return nullptr;
    }
    auto *test = new Form3(selection, pupilName, startWindow);
    test->setAttribute(Qt::WA_DeleteOnClose);
    test->show();
    return test;
}

} // namespace player
