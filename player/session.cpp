// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session.h"

#include "form2.h"
#include "form3.h"
#include "testlogic.h"

#include "ui/focuschain.h"
#include "ui/platform.h"

namespace player {

Form3 *startTest(Form2 *selection, const QString &pupilName, QWidget *startWindow)
{
    const Selection chosen = selection->selection();
    if (chosen.qualifyingTestCount() == 0) {
        // The pupil did choose: say which subjects cannot be asked.
        const QStringList tooFew = chosen.chosenSubjects();
        ui::message(selection, tooFew.isEmpty() ? selection->selectionWarning() : tooFewQuestionsText(tooFew));
        return nullptr;
    }
    auto *test = new Form3(chosen, pupilName, startWindow, selection);
    test->setAttribute(Qt::WA_DeleteOnClose);
    ui::showWithFocus(test);
    return test;
}

} // namespace player
