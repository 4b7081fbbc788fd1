#pragma once

// A quiz session in a throw-away program folder: the demo bank and language
// files plus a course "Proves" whose questions each test writes itself, the
// recording platform, and the selection and test windows opened on it.

#include "player/form2.h"
#include "player/form3.h"
#include "player/playerstate.h"
#include "player/session.h"

#include "support/testsupport.h"
#include "support/recordingplatform.h"

#include <QStringList>

#include <memory>

namespace testsupport {

// Random values that make a draw of `n` numbers come out 1, 2, ..., n.
inline QList<double> drawInOrder(int n)
{
    QList<double> values;
    for (int i = 0; i < n; ++i)
        values.append((i + 0.5) / n);
    return values;
}

// Random values that make the option order come out as `order`.
inline QList<double> optionOrderValues(const QList<int> &order)
{
    QList<double> values;
    for (int r : order)
        values.append((r + 0.5) / 8);
    return values;
}

class Session
{
public:
    Session()
    {
        player::resetState();
        platform = &ui::installRecordingPlatform();
        platform->folder = folder.path();
        player::state().programFolder = folder.path();
    }
    ~Session()
    {
        delete test;
    }

    // Writes question `n` of a subject (and option) of the course "Proves".
    void question(const QString &subject, int n, const QStringList &lines)
    {
        folder.writeLines(QStringLiteral("Preguntas/Proves/%1/%2.txt").arg(subject).arg(n), lines);
    }

    // Opens the selection window on "Proves", ticks `subjects`, and starts.
    player::Form3 *open(const QStringList &subjects, int questionsPerSubject, const QList<double> &random,
                        const QString &pupil = QStringLiteral("Anna"))
    {
        platform->randomValues = random;
        selection = std::make_unique<player::Form2>();
        int course = -1;
        for (int i = 0; i < selection->courseCount(); ++i) {
            if (selection->Label1(i)->text() == u"Proves")
                course = i;
        }
        selection->Label1_Click(course);
        for (int k = 0; k < player::state().subjectCount; ++k) {
            if (subjects.contains(selection->Check1(k)->text()))
                selection->Check1_Click(k);
        }
        player::state().questionsPerSubject = questionsPerSubject;
        if (timeLimit.has_value()) {
            selection->Text1->setText(*timeLimit);
            selection->Text1->setVisible(true);
        }
        int chosen = 0;
        for (int k = 0; k < selection->Check1.count(); ++k)
            chosen += ui::isBold(selection->Check1(k)) ? 1 : 0;
        player::state().selectedSubjectCount = chosen;
        test = player::startTest(selection.get(), pupil, nullptr);
        if (test)
            test->setAttribute(Qt::WA_DeleteOnClose, false);
        return test;
    }

    // Shows entry `row` of test `k`, as a click on the list does.
    void show(int k, int row)
    {
        test->Command1_Click(k);
        test->List1(k)->setCurrentRow(row);
        test->List1_Click(k);
    }

    ProgramFolder folder;
    ui::RecordingPlatform *platform = nullptr;
    std::unique_ptr<player::Form2> selection;
    player::Form3 *test = nullptr;
    std::optional<QString> timeLimit;
};

} // namespace testsupport
