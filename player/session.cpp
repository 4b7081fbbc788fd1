#include "session.h"

#include "form2.h"
#include "form3.h"

#include "ui/platform.h"

namespace player {

Form3 *startTest(Form2 *selection, const QString &pupilName, QWidget *startWindow)
{
    if (Form3::qualifyingTestCount(selection) == 0) {
        ui::message(selection, selection->selectionWarning());
        return nullptr;
    }
    auto *test = new Form3(selection, pupilName, startWindow);
    test->setAttribute(Qt::WA_DeleteOnClose);
    test->show();
    return test;
}

} // namespace player
