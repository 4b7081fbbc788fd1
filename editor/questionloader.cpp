#include "questionloader.h"

#include "bank/languagefile.h"
#include "bank/numeric.h"
#include "bank/question.h"

#include <cmath>
#include <limits>

namespace editor {

namespace {

std::optional<QPoint> pixelOf(double x, double y)
{
    // A stored point far outside any picture cannot name a pixel; rounding
    // it would overflow.
    constexpr double limit = std::numeric_limits<int>::max() / 2;
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > limit || std::abs(y) > limit)
        return std::nullopt;
    return QPoint(qRound(x), qRound(y));
}

} // namespace

QStringList questionFileLines(const QString &path)
{
    bank::LineReader reader(path);
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    return lines;
}

LoadedQuestion loadQuestion(const QStringList &lines, const EditorFields &current)
{
    LoadedQuestion loaded;
    loaded.fields = current;
    if (lines.isEmpty())
        return loaded;
    const double code = bank::numericValue(lines[0]);
    if (code != std::floor(code) || code < 1 || code > 6)
        return loaded;
    loaded.isQuestion = true;
    loaded.type = static_cast<int>(code);

    const EditorFields fresh;
    auto line = [&lines](int number, const QString &missing) {
        return number <= lines.size() ? lines[number - 1] : missing;
    };
    EditorFields &f = loaded.fields;
    f.author = line(2, fresh.author);

    switch (static_cast<bank::QuestionType>(loaded.type)) {
    case bank::QuestionType::MultipleChoice: {
        f.choiceStatement = line(3, QString());
        f.options = Options{};
        int next = 0;
        qsizetype lastTaken = -1;
        for (qsizetype i = 3; i < lines.size() && next < kOptionCount; ++i) {
            if (!lines[i].isEmpty()) {
                f.options[next++] = lines[i];
                lastTaken = i;
            }
        }
        // Readers take the attachment from the file's last line only.
        f.loadedAttachment.clear();
        if (lastTaken == lines.size() - 1 && bank::isAttachmentName(lines.last()))
            f.loadedAttachment = lines.last();
        break;
    }
    case bank::QuestionType::WrittenAnswer:
        f.writtenStatement = line(3, fresh.writtenStatement);
        f.writtenAnswer = line(4, fresh.writtenAnswer);
        break;
    case bank::QuestionType::PictureAnswer:
        f.pictureFile = line(3, fresh.pictureFile);
        f.pictureStatement = line(4, fresh.pictureStatement);
        f.pictureAnswer = line(5, fresh.pictureAnswer);
        break;
    case bank::QuestionType::GraphicPoint:
        f.graphicFile = line(3, fresh.graphicFile);
        f.graphicStatement = line(4, fresh.graphicStatement);
        f.xCaption = line(5, fresh.xCaption);
        f.yCaption = line(6, fresh.yCaption);
        if (lines.size() >= 6)
            loaded.mark = pixelOf(bank::numericValue(f.xCaption), bank::numericValue(f.yCaption));
        break;
    case bank::QuestionType::ReadingWord:
        f.readingFile = line(3, fresh.readingFile);
        f.readingStatement = line(4, fresh.readingStatement);
        f.wordCaption = line(5, fresh.wordCaption);
        break;
    case bank::QuestionType::TrueFalse:
        f.trueFalseStatement = line(3, fresh.trueFalseStatement);
        f.trueFalseCaption = line(4, fresh.trueFalseCaption);
        break;
    }
    return loaded;
}

} // namespace editor
