// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// GIFT, the platform's plain-text question format: questions separated by
// blank lines, "//" comment lines, "::title::", "[format]", and the answers
// in braces ({=right ~wrong}, {T}, {=a =b}, {#3}, {=a -> b}). Backslash
// escapes ~ = # { } : and itself.

#include "parsing.h"

#include <QRegularExpression>
#include <QUrl>

#include <cmath>

namespace interchange {

using namespace detail;

namespace {

constexpr QLatin1StringView kSpecials("~=#{}:\\");

qsizetype findUnescaped(const QString &text, QStringView what, qsizetype from = 0)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] == u'\\') {
            ++i;
            continue;
        }
        if (QStringView(text).mid(i).startsWith(what))
            return i;
    }
    return -1;
}

QString unescape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == u'n') {
                out += u'\n';
                ++i;
                continue;
            }
            if (kSpecials.contains(next)) {
                out += next;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString escape(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (kSpecials.contains(c))
            out += u'\\';
        out += c;
    }
    return out;
}

struct Block {
    QString text;
    int line = 0; // of its first line
};

// Questions are separated by blank lines; comment lines are dropped.
QList<Block> blocks(const QString &text)
{
    QList<Block> out;
    Block current;
    int number = 0;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("//")))
            continue;
        if (trimmed.isEmpty()) {
            if (!current.text.isEmpty())
                out << current;
            current = {};
            continue;
        }
        if (current.text.isEmpty())
            current.line = number;
        else
            current.text += u'\n';
        current.text += line;
    }
    if (!current.text.isEmpty())
        out << current;
    return out;
}

// One answer of a brace block: "=%50%text#feedback".
struct Token {
    QChar mark; // '=' or '~'
    QString text;
    double weight = qQNaN(); // none written
    bool feedback = false;
};

QList<Token> tokens(const QString &body)
{
    QList<Token> out;
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] == u'\\') {
            if (!out.isEmpty())
                out.last().text += body.mid(i, 2);
            ++i;
            continue;
        }
        if (body[i] == u'=' || body[i] == u'~') {
            out << Token{body[i], {}, qQNaN(), false};
            continue;
        }
        if (!out.isEmpty())
            out.last().text += body[i];
    }
    static const QRegularExpression weightRe(QStringLiteral("^\\s*%(-?[0-9]+(?:\\.[0-9]+)?)%"));
    for (Token &t : out) {
        const QRegularExpressionMatch m = weightRe.match(t.text);
        if (m.hasMatch()) {
            t.weight = m.captured(1).toDouble();
            t.text = t.text.mid(m.capturedEnd());
        }
        const qsizetype hash = findUnescaped(t.text, u"#");
        if (hash >= 0) {
            t.feedback = !t.text.mid(hash + 1).trimmed().isEmpty();
            t.text.truncate(hash);
        }
    }
    return out;
}

TextFormat formatNamed(const QString &name)
{
    if (name == u"plain")
        return TextFormat::Plain;
    if (name == u"markdown")
        return TextFormat::Markdown;
    return TextFormat::Html; // html, moodle (auto-format) and none
}

void parseQuestion(const Block &block, const QString &where, const QStringList &category, Parsed &parsed)
{
    QString text = block.text.trimmed();
    Item item;
    item.where = where;
    item.category = category;

    if (text.startsWith(QLatin1String("::"))) {
        const qsizetype end = findUnescaped(text, u"::", 2);
        if (end < 0) {
            parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "mal escrites"),
                                      QCoreApplication::translate("interchange", "el títol «::» no es tanca"));
            return;
        }
        item.question.author = plainText(unescape(text.mid(2, end - 2)), TextFormat::Plain);
        text = text.mid(end + 2).trimmed();
        //: a question's place and its name: "line 3 (“Rivers”)"
        item.where = QCoreApplication::translate("interchange", "%1 («%2»)").arg(where, item.question.author);
    }
    TextFormat format = TextFormat::Html;
    static const QRegularExpression formatRe(QStringLiteral("^\\[(html|moodle|plain|markdown)\\]"));
    if (const QRegularExpressionMatch m = formatRe.match(text); m.hasMatch()) {
        format = formatNamed(m.captured(1));
        text = text.mid(m.capturedEnd());
    }

    const qsizetype open = findUnescaped(text, u"{");
    if (open < 0) {
        parsed.skipped << unsupportedType(item.where, QStringLiteral("description"));
        return;
    }
    const qsizetype close = findUnescaped(text, u"}", open + 1);
    if (close < 0) {
        parsed.skipped << skipped(item.where, QCoreApplication::translate("interchange", "mal escrites"),
                                  QCoreApplication::translate("interchange", "la clau «{» no es tanca"));
        return;
    }
    const QString before = text.left(open);
    const QString after = text.mid(close + 1);
    if (findUnescaped(after, u"{") >= 0 || findUnescaped(text.mid(open + 1, close - open - 1), u"{") >= 0) {
        parsed.skipped << skipped(item.where, QCoreApplication::translate("interchange", "amb més d'un buit"),
                                  QCoreApplication::translate("interchange", "més d'un bloc de respostes «{…}»: el banc en porta un"));
        return;
    }
    QStringList files;
    const QString head = plainText(unescape(before), format, &files);
    const QString tail = plainText(unescape(after), format, &files);
    // "Missing word": the gap is shown where the answers stood.
    QString statement = head;
    if (!tail.isEmpty())
        statement = (head.isEmpty() ? QString() : head + u' ') + QStringLiteral("_____ ") + tail;
    item.question.statement = statement;
    if (files.size() > 1) {
        parsed.skipped << skipped(item.where, QCoreApplication::translate("interchange", "amb més d'una imatge"),
                                  QCoreApplication::translate("interchange", "el text nomena %1 fitxers: el banc en porta un").arg(files.size()));
        return;
    }
    if (files.size() == 1) {
        item.hasFile = true;
        item.file.name = files.first();
    }

    QString body = text.mid(open + 1, close - open - 1).trimmed();
    // General feedback, "####", is not carried.
    if (const qsizetype general = findUnescaped(body, u"####"); general >= 0) {
        parsed.feedbackDropped = true;
        body.truncate(general);
        body = body.trimmed();
    }
    Skipped why;
    static const QRegularExpression trueFalse(QStringLiteral("^(T|TRUE|F|FALSE)\\s*(#|$)"),
                                              QRegularExpression::CaseInsensitiveOption);
    if (body.isEmpty()) {
        parsed.skipped << unsupportedType(item.where, QStringLiteral("essay"));
        return;
    }
    if (body.startsWith(u'#')) {
        parsed.skipped << unsupportedType(item.where, QStringLiteral("numerical"));
        return;
    }
    if (const QRegularExpressionMatch m = trueFalse.match(body); m.hasMatch()) {
        if (body.mid(m.capturedEnd(1)).contains(u'#') && !body.mid(m.capturedEnd(1)).remove(u'#').trimmed().isEmpty())
            parsed.feedbackDropped = true;
        item.question.type = bank::QuestionType::TrueFalse;
        item.question.isTrue = m.captured(1).at(0).toUpper() == u'T';
        if (item.hasFile) {
            parsed.skipped << skipped(item.where, QCoreApplication::translate("interchange", "amb una imatge que no es pot portar"),
                                      QCoreApplication::translate("interchange", "una pregunta de vertader o fals no porta imatge al banc"));
            return;
        }
        parsed.items << item;
        return;
    }
    const QList<Token> answers = tokens(body);
    if (answers.isEmpty()) {
        parsed.skipped << skipped(item.where, QCoreApplication::translate("interchange", "mal escrites"),
                                  QCoreApplication::translate("interchange", "les respostes no comencen per «=» ni per «~»"));
        return;
    }
    bool anyWrong = false;
    QList<Answer> choices;
    for (const Token &t : answers) {
        if (t.feedback)
            parsed.feedbackDropped = true;
        if (t.mark == u'=' && findUnescaped(t.text, u"->") >= 0) {
            parsed.skipped << unsupportedType(item.where, QStringLiteral("matching"));
            return;
        }
        anyWrong = anyWrong || t.mark == u'~';
        const double fraction = !std::isnan(t.weight) ? t.weight : (t.mark == u'=' ? 100 : 0);
        choices << Answer{plainText(unescape(t.text), format), fraction};
    }
    if (anyWrong) {
        if (!multipleChoice(choices, item.where, item, why)) {
            parsed.skipped << why;
            return;
        }
        if (item.hasFile) {
            item.question.attachment = item.file.name;
        }
    } else {
        if (!writtenAnswer(choices, item.where, item, why)) {
            parsed.skipped << why;
            return;
        }
        if (item.hasFile) {
            // A short answer about one picture.
            item.question.type = bank::QuestionType::PictureAnswer;
            item.question.fileName = item.file.name;
        }
    }
    parsed.items << item;
}

} // namespace

Parsed parseGift(const QString &text)
{
    Parsed parsed;
    QStringList category;
    for (const Block &block : blocks(text)) {
        const QString where = QCoreApplication::translate("interchange", "línia %1").arg(block.line);
        const QString trimmed = block.text.trimmed();
        if (trimmed.startsWith(QLatin1String("$CATEGORY:"))) {
            category = categoryFolders(trimmed.mid(10).section(u'\n', 0, 0));
            // A question may follow on the next lines of the same block.
            const qsizetype rest = trimmed.indexOf(u'\n');
            if (rest < 0)
                continue;
            parseQuestion(Block{trimmed.mid(rest + 1), block.line + 1}, where, category, parsed);
            continue;
        }
        parseQuestion(block, where, category, parsed);
    }
    return parsed;
}

namespace {

QString html(const QString &plain)
{
    return escape(plainToHtml(plain));
}

// A picture or text a multiple-choice question names, as a link in its text.
QString fileReference(const QString &name)
{
    const QString url = QString::fromUtf8(QUrl::toPercentEncoding(name));
    if (bank::isPictureAttachment(name) || !bank::isAttachmentName(name))
        return QStringLiteral("<img src=\"%1\" alt=\"\">").arg(url);
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(url, plainToHtml(name));
}

} // namespace

QByteArray writeGift(const QList<Exported> &questions)
{
    QString out = QStringLiteral("// BRENLOQ\n\n");
    QStringList category{QStringLiteral("?")};
    for (const Exported &e : questions) {
        if (e.category != category) {
            category = e.category;
            out += QStringLiteral("$CATEGORY: $course$/%1\n\n")
                       .arg(category.isEmpty() ? QStringLiteral("top") : category.join(u'/'));
        }
        const bank::Question &q = e.question;
        out += QStringLiteral("// %1\n").arg(e.where);
        if (!q.author.isEmpty())
            out += QStringLiteral("::%1::").arg(escape(q.author));
        out += QStringLiteral("[html]") + html(q.statement);
        switch (q.type) {
        case bank::QuestionType::MultipleChoice:
            if (!q.attachment.isEmpty())
                out += QStringLiteral(" <p>%1</p>").arg(escape(fileReference(q.attachment)));
            out += QStringLiteral(" {\n");
            for (const QString &option : q.options) {
                if (option.isEmpty())
                    break;
                const bool right = bank::isCorrectOption(option);
                out += QStringLiteral("\t%1%2\n").arg(right ? QStringLiteral("=") : QStringLiteral("~"), html(right ? option.chopped(1) : option));
            }
            out += QStringLiteral("}\n\n");
            break;
        case bank::QuestionType::WrittenAnswer:
            out += QStringLiteral(" {=%1}\n\n").arg(html(q.answer));
            break;
        case bank::QuestionType::TrueFalse:
            out += QStringLiteral(" {%1}\n\n").arg(q.isTrue ? QStringLiteral("T") : QStringLiteral("F"));
            break;
        default:
            break;
        }
    }
    return out.toUtf8();
}

} // namespace interchange
