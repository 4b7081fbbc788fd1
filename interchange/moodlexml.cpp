// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Moodle XML: <quiz> of <question type="..."> elements, read with
// QXmlStreamReader. An export never declares a DOCTYPE; one that does is
// refused before any entity is expanded, so an entity bomb costs nothing.

#include "parsing.h"

#include <QRegularExpression>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace interchange {

using namespace detail;

namespace {

// A question element, small enough to hold whole.
struct Node {
    QString name;
    QXmlStreamAttributes attributes;
    QString text;
    QList<Node> children;

    const Node *child(QStringView n) const
    {
        for (const Node &c : children) {
            if (c.name == n)
                return &c;
        }
        return nullptr;
    }
    // The <text> of a child, as Moodle wraps every text.
    QString textOf(QStringView n) const
    {
        const Node *c = child(n);
        const Node *t = c ? c->child(u"text") : nullptr;
        return t ? t->text : QString();
    }
    QString ownText() const
    {
        const Node *t = child(u"text");
        return t ? t->text : QString();
    }
    QString attribute(const QString &n) const { return attributes.value(n).toString(); }
};

constexpr int kMaxDepth = 32;

bool readNode(QXmlStreamReader &xml, Node &node, int depth)
{
    node.name = xml.name().toString();
    node.attributes = xml.attributes();
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (depth >= kMaxDepth) {
                xml.raiseError(QCoreApplication::translate("interchange", "massa elements un dins de l'altre"));
                return false;
            }
            node.children.append(Node{});
            if (!readNode(xml, node.children.last(), depth + 1))
                return false;
            break;
        }
        case QXmlStreamReader::Characters:
            node.text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            return true;
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference:
            xml.raiseError(QCoreApplication::translate("interchange", "declaració d'entitats"));
            return false;
        default:
            break;
        }
    }
    return !xml.hasError();
}

bool hasFeedback(const Node &node)
{
    for (const Node &c : node.children) {
        if (c.name.endsWith(QLatin1String("feedback")) && !c.ownText().trimmed().isEmpty())
            return true;
        if (hasFeedback(c))
            return true;
    }
    return false;
}

TextFormat formatOf(const Node &node)
{
    const QString format = node.attribute(QStringLiteral("format"));
    if (format == u"plain_text")
        return TextFormat::Plain;
    if (format == u"markdown")
        return TextFormat::Markdown;
    return TextFormat::Html;
}

// The files a text element embeds, by name.
bool embeddedFiles(const Node &node, QHash<QString, QByteArray> &files, QString &bad)
{
    for (const Node &c : node.children) {
        if (c.name != u"file")
            continue;
        QByteArray data = c.text.toLatin1();
        data.replace(' ', "").replace('\n', "").replace('\r', "").replace('\t', "");
        const auto decoded = QByteArray::fromBase64Encoding(data, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded || c.text.contains(QRegularExpression(QStringLiteral("[^\\x00-\\x7f]")))) {
            bad = c.attribute(QStringLiteral("name"));
            return false;
        }
        files.insert(c.attribute(QStringLiteral("name")), *decoded);
    }
    return true;
}

void parseQuestion(const Node &q, const QString &line, Parsed &parsed, QStringList &category)
{
    const QString type = q.attribute(QStringLiteral("type"));
    if (type == u"category") {
        category = categoryFolders(q.textOf(u"category"));
        return;
    }
    Item item;
    item.category = category;
    item.question.author = plainText(q.textOf(u"name"), TextFormat::Plain);
    item.where = item.question.author.isEmpty()
        ? line
        //: a question's place and its name: "line 3 (“Rivers”)"
        : QCoreApplication::translate("interchange", "%1 («%2»)").arg(line, item.question.author);
    const QString &where = item.where;

    if (type != u"multichoice" && type != u"truefalse" && type != u"shortanswer") {
        parsed.skipped << unsupportedType(where, type.isEmpty() ? QStringLiteral("?") : type);
        return;
    }
    if (hasFeedback(q))
        parsed.feedbackDropped = true;

    const Node *questionText = q.child(u"questiontext");
    QStringList names;
    item.question.statement = questionText ? plainText(questionText->ownText(), formatOf(*questionText), &names) : QString();
    QHash<QString, QByteArray> files;
    QString bad;
    if (questionText && !embeddedFiles(*questionText, files, bad)) {
        parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "amb una imatge que no es pot portar"),
                                  QCoreApplication::translate("interchange", "el fitxer incrustat «%1» no és base64 vàlid").arg(bad));
        return;
    }
    if (names.size() > 1) {
        parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "amb més d'una imatge"),
                                  QCoreApplication::translate("interchange", "el text nomena %1 fitxers: el banc en porta un").arg(names.size()));
        return;
    }
    if (!names.isEmpty()) {
        item.hasFile = true;
        item.file.name = names.first();
        item.file.embedded = files.contains(item.file.name);
        item.file.bytes = files.value(item.file.name);
    }

    QList<Answer> answers;
    for (const Node &a : q.children) {
        if (a.name != u"answer")
            continue;
        QStringList answerFiles;
        const QString text = plainText(a.ownText(), formatOf(a), &answerFiles);
        if (!answerFiles.isEmpty()) {
            parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "amb imatges a les respostes"),
                                      QCoreApplication::translate("interchange", "una resposta porta una imatge: el banc no en porta"));
            return;
        }
        bool ok = false;
        const double fraction = a.attribute(QStringLiteral("fraction")).toDouble(&ok);
        answers << Answer{text, ok ? fraction : 0};
    }

    Skipped why;
    if (type == u"multichoice") {
        if (!multipleChoice(answers, where, item, why)) {
            parsed.skipped << why;
            return;
        }
        if (item.hasFile)
            item.question.attachment = item.file.name;
    } else if (type == u"shortanswer") {
        if (!writtenAnswer(answers, where, item, why)) {
            parsed.skipped << why;
            return;
        }
        if (item.hasFile) {
            item.question.type = bank::QuestionType::PictureAnswer;
            item.question.fileName = item.file.name;
        }
    } else {
        if (item.hasFile) {
            parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "amb una imatge que no es pot portar"),
                                      QCoreApplication::translate("interchange", "una pregunta de vertader o fals no porta imatge al banc"));
            return;
        }
        item.question.type = bank::QuestionType::TrueFalse;
        bool found = false;
        for (const Answer &a : answers) {
            if (a.fraction >= 100) {
                item.question.isTrue = a.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
                found = true;
                break;
            }
        }
        if (!found) {
            parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "sense resposta correcta"),
                                      QCoreApplication::translate("interchange", "ni «true» ni «false» hi valen la nota sencera"));
            return;
        }
    }
    parsed.items << item;
}

} // namespace

Parsed parseMoodleXml(const QByteArray &bytes)
{
    Parsed parsed;
    QXmlStreamReader xml(bytes);
    // Refused below as well; this bounds what could slip through.
    xml.setEntityExpansionLimit(0);
    QStringList category;
    bool inQuiz = false;
    while (!xml.atEnd() && !xml.hasError()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::DTD) {
            parsed.failure = QCoreApplication::translate("interchange", "el fitxer XML declara un DOCTYPE, que una exportació de "
                                            "preguntes no porta: no es llegeix");
            return Parsed{{}, {}, false, parsed.failure};
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!inQuiz) {
            if (xml.name() != u"quiz") {
                parsed.failure = QCoreApplication::translate("interchange", "el fitxer XML no és una exportació de preguntes (no comença per <quiz>)");
                return Parsed{{}, {}, false, parsed.failure};
            }
            inQuiz = true;
            continue;
        }
        const QString line = QCoreApplication::translate("interchange", "línia %1").arg(xml.lineNumber());
        Node node;
        if (!readNode(xml, node, 1))
            break;
        if (node.name == u"question")
            parseQuestion(node, line, parsed, category);
    }
    if (xml.hasError()) {
        parsed.failure = QCoreApplication::translate("interchange", "XML mal format a la línia %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return Parsed{{}, {}, false, parsed.failure};
    }
    if (!inQuiz)
        parsed.failure = QCoreApplication::translate("interchange", "el fitxer XML no és una exportació de preguntes (no hi ha <quiz>)");
    return parsed;
}

namespace {

void writeText(QXmlStreamWriter &w, const QString &element, const QString &text, const QString &format = {})
{
    w.writeStartElement(element);
    if (!format.isEmpty())
        w.writeAttribute(QStringLiteral("format"), format);
    w.writeTextElement(QStringLiteral("text"), text);
    w.writeEndElement();
}

QString fileReference(const QString &name)
{
    const QString url = QStringLiteral("@@PLUGINFILE@@/") + QString::fromUtf8(QUrl::toPercentEncoding(name));
    if (bank::isAttachmentName(name) && !bank::isPictureAttachment(name))
        return QStringLiteral("<a href=\"%1\">%2</a>").arg(url, plainToHtml(name));
    return QStringLiteral("<img src=\"%1\" alt=\"\">").arg(url);
}

} // namespace

QByteArray writeMoodleXml(const QList<Exported> &questions)
{
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QStringLiteral("quiz"));
    QStringList category{QStringLiteral("?")};
    for (const Exported &e : questions) {
        if (e.category != category) {
            category = e.category;
            w.writeStartElement(QStringLiteral("question"));
            w.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
            writeText(w, QStringLiteral("category"),
                      QStringLiteral("$course$/") + (category.isEmpty() ? QStringLiteral("top") : category.join(u'/')));
            w.writeEndElement();
        }
        const bank::Question &q = e.question;
        const auto type = q.type;
        w.writeComment(QStringLiteral(" %1 ").arg(e.where).replace(QLatin1String("--"), QLatin1String("- -")));
        w.writeStartElement(QStringLiteral("question"));
        w.writeAttribute(QStringLiteral("type"), type == bank::QuestionType::MultipleChoice ? QStringLiteral("multichoice")
                                                  : type == bank::QuestionType::TrueFalse  ? QStringLiteral("truefalse")
                                                                                           : QStringLiteral("shortanswer"));
        writeText(w, QStringLiteral("name"), q.author);
        const QString picture = type == bank::QuestionType::PictureAnswer ? q.fileName : q.attachment;
        w.writeStartElement(QStringLiteral("questiontext"));
        w.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
        QString text = QStringLiteral("<p>") + plainToHtml(q.statement) + QStringLiteral("</p>");
        if (!picture.isEmpty())
            text += QStringLiteral("<p>") + fileReference(picture) + QStringLiteral("</p>");
        w.writeTextElement(QStringLiteral("text"), text);
        if (!picture.isEmpty() && e.file.embedded) {
            w.writeStartElement(QStringLiteral("file"));
            w.writeAttribute(QStringLiteral("name"), picture);
            w.writeAttribute(QStringLiteral("path"), QStringLiteral("/"));
            w.writeAttribute(QStringLiteral("encoding"), QStringLiteral("base64"));
            w.writeCharacters(QString::fromLatin1(e.file.bytes.toBase64()));
            w.writeEndElement();
        }
        w.writeEndElement();
        w.writeTextElement(QStringLiteral("defaultgrade"), QStringLiteral("1"));
        auto answer = [&w](const QString &text, bool right) {
            w.writeStartElement(QStringLiteral("answer"));
            w.writeAttribute(QStringLiteral("fraction"), right ? QStringLiteral("100") : QStringLiteral("0"));
            w.writeAttribute(QStringLiteral("format"), QStringLiteral("html"));
            w.writeTextElement(QStringLiteral("text"), text);
            w.writeEndElement();
        };
        switch (type) {
        case bank::QuestionType::MultipleChoice:
            w.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
            w.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("true"));
            w.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("abc"));
            for (const QString &option : q.options) {
                if (option.isEmpty())
                    break;
                const bool right = bank::isCorrectOption(option);
                answer(plainToHtml(right ? option.chopped(1) : option), right);
            }
            break;
        case bank::QuestionType::TrueFalse:
            answer(QStringLiteral("true"), q.isTrue);
            answer(QStringLiteral("false"), !q.isTrue);
            break;
        default:
            w.writeTextElement(QStringLiteral("usecase"), QStringLiteral("0"));
            answer(plainToHtml(q.answer), true);
            break;
        }
        w.writeEndElement();
    }
    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

// --- Aiken: the question on its lines, "A) option" lines, "ANSWER: B". ---

Parsed parseAiken(const QString &text)
{
    Parsed parsed;
    static const QRegularExpression optionRe(QStringLiteral("^\\s*([A-Z])[.)]\\s+(.*)$"));
    static const QRegularExpression answerRe(QStringLiteral("^\\s*ANSWER:\\s*([A-Z])\\s*$"));
    QStringList statement;
    QList<QPair<QChar, QString>> options;
    int start = 0;
    int number = 0;
    auto reset = [&] {
        statement.clear();
        options.clear();
        start = 0;
    };
    for (QString line : text.split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QString where = QCoreApplication::translate("interchange", "línia %1").arg(start ? start : number);
        if (const auto m = answerRe.match(line); m.hasMatch()) {
            QList<Answer> answers;
            bool known = false;
            for (const auto &[letter, option] : options) {
                answers << Answer{option, letter == m.captured(1).at(0) ? 100.0 : 0.0};
                known = known || letter == m.captured(1).at(0);
            }
            Item item;
            item.where = where;
            item.question.statement = plainText(statement.join(u' '), TextFormat::Plain);
            Skipped why;
            if (statement.isEmpty() || options.isEmpty() || !known)
                parsed.skipped << skipped(where, QCoreApplication::translate("interchange", "mal escrites"),
                                          options.isEmpty() ? QCoreApplication::translate("interchange", "«ANSWER:» sense opcions al davant")
                                                            : QCoreApplication::translate("interchange", "«ANSWER: %1» no és cap de les opcions").arg(m.captured(1)));
            else if (multipleChoice(answers, where, item, why))
                parsed.items << item;
            else
                parsed.skipped << why;
            reset();
            continue;
        }
        if (start == 0)
            start = number;
        if (const auto m = optionRe.match(line); m.hasMatch() && !statement.isEmpty()) {
            options.append({m.captured(1).at(0), plainText(m.captured(2), TextFormat::Plain)});
            continue;
        }
        if (!options.isEmpty()) {
            parsed.skipped << skipped(QCoreApplication::translate("interchange", "línia %1").arg(start), QCoreApplication::translate("interchange", "mal escrites"),
                                      QCoreApplication::translate("interchange", "falta la línia «ANSWER:»"));
            reset();
            start = number;
        }
        statement << line.trimmed();
    }
    if (start != 0)
        parsed.skipped << skipped(QCoreApplication::translate("interchange", "línia %1").arg(start), QCoreApplication::translate("interchange", "mal escrites"),
                                  QCoreApplication::translate("interchange", "falta la línia «ANSWER:»"));
    return parsed;
}

Format detectFormat(const QByteArray &bytes, const QString &fileName)
{
    QByteArray head = bytes.left(4096);
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.mid(3);
    head = head.trimmed();
    if (head.startsWith('<'))
        return Format::MoodleXml;
    static const QRegularExpression aikenAnswer(QStringLiteral("^\\s*ANSWER:\\s*[A-Z]\\s*$"),
                                                QRegularExpression::MultilineOption);
    const QString text = QString::fromUtf8(bytes.left(1 << 20));
    const bool braces = text.contains(u'{');
    if (!braces && text.contains(aikenAnswer))
        return Format::Aiken;
    if (braces || text.contains(QLatin1String("$CATEGORY:")))
        return Format::Gift;
    const QString suffix = fileName.section(u'.', -1).toLower();
    if (suffix == u"gift")
        return Format::Gift;
    if (suffix == u"xml")
        return Format::MoodleXml;
    return Format::Unknown;
}

} // namespace interchange
