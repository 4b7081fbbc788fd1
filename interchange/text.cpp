// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// HTML and Markdown fields as the one plain line a question file holds.
// Qt Core has no HTML reader (QTextDocument is Qt Gui and keeps layout we
// do not want), and question texts are small fragments, so a tag scanner
// of a few lines does it; the XML around them is QXmlStreamReader's.

#include "interchange.h"

#include <QHash>
#include <QRegularExpression>
#include <QUrl>

namespace interchange {

namespace {

// HTML's Latin-1 entities, in code point order from 160.
const char *const kLatin1Entities[] = {
    "nbsp", "iexcl", "cent", "pound", "curren", "yen", "brvbar", "sect", "uml", "copy", "ordf",
    "laquo", "not", "shy", "reg", "macr", "deg", "plusmn", "sup2", "sup3", "acute", "micro",
    "para", "middot", "cedil", "sup1", "ordm", "raquo", "frac14", "frac12", "frac34", "iquest",
    "Agrave", "Aacute", "Acirc", "Atilde", "Auml", "Aring", "AElig", "Ccedil", "Egrave", "Eacute",
    "Ecirc", "Euml", "Igrave", "Iacute", "Icirc", "Iuml", "ETH", "Ntilde", "Ograve", "Oacute",
    "Ocirc", "Otilde", "Ouml", "times", "Oslash", "Ugrave", "Uacute", "Ucirc", "Uuml", "Yacute",
    "THORN", "szlig", "agrave", "aacute", "acirc", "atilde", "auml", "aring", "aelig", "ccedil",
    "egrave", "eacute", "ecirc", "euml", "igrave", "iacute", "icirc", "iuml", "eth", "ntilde",
    "ograve", "oacute", "ocirc", "otilde", "ouml", "divide", "oslash", "ugrave", "uacute", "ucirc",
    "uuml", "yacute", "thorn", "yuml"};

const QHash<QString, char32_t> &entities()
{
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> t;
        char32_t code = 160;
        for (const char *name : kLatin1Entities)
            t.insert(QString::fromLatin1(name), code++);
        const std::pair<const char *, char32_t> more[] = {
            {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
            {"apos", '\''},    {"euro", 0x20AC},  {"hellip", 0x2026}, {"ndash", 0x2013},
            {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C},
            {"rdquo", 0x201D}, {"bull", 0x2022},  {"trade", 0x2122}, {"OElig", 0x152},
            {"oelig", 0x153},  {"Scaron", 0x160}, {"scaron", 0x161}, {"sbquo", 0x201A},
            {"bdquo", 0x201E}};
        for (const auto &[name, c] : more)
            t.insert(QString::fromLatin1(name), c);
        // A no-break space is a space to a pupil reading one line.
        t.insert(QStringLiteral("nbsp"), U' ');
        return t;
    }();
    return table;
}

// Marks a break (a line end in the source, a paragraph) until the end,
// where a run of breaks and spaces becomes one space. Spaces alone are kept
// as written, so a field's double space survives a trip out and back.
constexpr QChar kBreak(0xE000);

// Decodes the entity starting at text[i] == '&'; advances i past it.
bool decodeEntity(const QString &text, qsizetype &i, QString &out)
{
    // Entities are short: looking further would make a text of many "&"
    // and no ";" quadratic.
    const qsizetype semicolon = QStringView(text).mid(i + 1, 12).indexOf(u';');
    if (semicolon < 0)
        return false;
    const qsizetype end = i + 1 + semicolon;
    const QString name = text.mid(i + 1, end - i - 1);
    char32_t code = 0;
    if (name.startsWith(u'#')) {
        bool ok = false;
        const uint value = name.size() > 1 && (name[1] == u'x' || name[1] == u'X')
            ? name.mid(2).toUInt(&ok, 16)
            : name.mid(1).toUInt(&ok, 10);
        if (!ok || value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        code = value;
    } else {
        code = entities().value(name, 0);
        if (code == 0)
            return false;
    }
    out += QString::fromUcs4(&code, 1);
    i = end + 1;
    return true;
}

QString decodeEntities(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == u'&' && decodeEntity(text, i, out))
            continue;
        out += text[i++];
    }
    return out;
}

QString attribute(const QString &tag, const QString &name)
{
    const QRegularExpression re(QStringLiteral("\\b%1\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))")
                                    .arg(name),
                                QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = re.match(tag);
    if (!m.hasMatch())
        return {};
    for (int g = 1; g <= 3; ++g) {
        if (m.capturedStart(g) >= 0)
            return decodeEntities(m.captured(g));
    }
    return {};
}

// A link or picture source naming a file the question carries: Moodle's
// @@PLUGINFILE@@/name, or a bare name as this kit writes it.
bool isFileReference(const QString &src)
{
    if (src.startsWith(QLatin1String("@@PLUGINFILE@@/")))
        return true;
    return !src.isEmpty() && !src.contains(u':') && !src.contains(u'/') && !src.contains(u'\\')
        && bank::isAttachmentName(src);
}

QString referenceName(const QString &src)
{
    QString name = src;
    if (name.startsWith(QLatin1String("@@PLUGINFILE@@/")))
        name = name.mid(15);
    name = name.section(u'?', 0, 0);
    return QUrl::fromPercentEncoding(name.toUtf8());
}

const QStringList &blockTags()
{
    static const QStringList tags{QStringLiteral("p"),   QStringLiteral("br"), QStringLiteral("div"),
                                  QStringLiteral("li"),  QStringLiteral("tr"), QStringLiteral("td"),
                                  QStringLiteral("ul"),  QStringLiteral("ol"), QStringLiteral("table"),
                                  QStringLiteral("h1"),  QStringLiteral("h2"), QStringLiteral("h3"),
                                  QStringLiteral("h4"),  QStringLiteral("h5"), QStringLiteral("h6"),
                                  QStringLiteral("blockquote"), QStringLiteral("pre"), QStringLiteral("hr")};
    return tags;
}

QString settle(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == kBreak || text[i] == u' ') {
            qsizetype j = i;
            bool broken = false;
            while (j < text.size() && (text[j] == kBreak || text[j] == u' ')) {
                broken = broken || text[j] == kBreak;
                ++j;
            }
            if (broken)
                out += u' ';
            else
                out += QStringView(text).mid(i, j - i);
            i = j;
            continue;
        }
        out += text[i++];
    }
    return out.trimmed();
}

QString sourceBreaks(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\t' || c == u'\f' || c == u'\v')
            c = kBreak;
    }
    return text;
}

} // namespace

QString htmlToPlain(const QString &source, QStringList *files)
{
    const QString html = sourceBreaks(source);
    QString out;
    bool tagsEnd = false; // no ">" after here: every "<" left is text
    for (qsizetype i = 0; i < html.size();) {
        const QChar c = html[i];
        if (c == u'&') {
            if (decodeEntity(html, i, out))
                continue;
            out += c;
            ++i;
            continue;
        }
        const QChar next = i + 1 < html.size() ? html[i + 1] : QChar();
        if (c != u'<' || tagsEnd || !(next.isLetter() || next == u'/' || next == u'!' || next == u'?')) {
            out += c;
            ++i;
            continue;
        }
        if (html.mid(i, 4) == u"<!--") {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            i = end < 0 ? html.size() : end + 3;
            continue;
        }
        const qsizetype close = html.indexOf(u'>', i);
        if (close < 0) { // a lone "<" in text, not a tag
            tagsEnd = true;
            out += c;
            ++i;
            continue;
        }
        const QString tag = html.mid(i, close - i + 1);
        static const QRegularExpression nameRe(QStringLiteral("^</?([A-Za-z][A-Za-z0-9]*)"));
        const QString name = nameRe.match(tag).captured(1).toLower();
        i = close + 1;
        if (name == u"img") {
            const QString src = attribute(tag, QStringLiteral("src"));
            if (files)
                files->append(isFileReference(src) ? referenceName(src) : src);
        } else if (name == u"a" && !tag.startsWith(u"</")) {
            const QString href = attribute(tag, QStringLiteral("href"));
            if (isFileReference(href)) {
                // The link's own words are the file's name, not the question's.
                if (files)
                    files->append(referenceName(href));
                const qsizetype end = html.indexOf(QLatin1String("</a>"), i, Qt::CaseInsensitive);
                i = end < 0 ? html.size() : end + 4;
            }
        } else if (name == u"script" || name == u"style") {
            const qsizetype end = html.indexOf(QStringLiteral("</%1").arg(name), i, Qt::CaseInsensitive);
            const qsizetype after = end < 0 ? -1 : html.indexOf(u'>', end);
            i = after < 0 ? html.size() : after + 1;
        } else if (blockTags().contains(name)) {
            out += kBreak;
        }
    }
    return settle(out);
}

QString markdownToPlain(const QString &source)
{
    QString text = source;
    static const QRegularExpression heading(QStringLiteral("(^|\\n)[ \\t]*#{1,6}[ \\t]+"));
    static const QRegularExpression link(QStringLiteral("!?\\[([^\\]]*)\\]\\([^)]*\\)"));
    static const QRegularExpression strong(QStringLiteral("(\\*\\*|__)(.+?)\\1"));
    static const QRegularExpression emphasis(QStringLiteral("(?<![\\w*])\\*(?!\\s)(.+?)\\*"));
    text.replace(heading, QStringLiteral("\\1"));
    text.replace(link, QStringLiteral("\\1"));
    text.replace(strong, QStringLiteral("\\2"));
    text.replace(emphasis, QStringLiteral("\\1"));
    return settle(sourceBreaks(text));
}

QString plainToHtml(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '<': out += QLatin1String("&lt;"); break;
        case '>': out += QLatin1String("&gt;"); break;
        case '&': out += QLatin1String("&amp;"); break;
        case '"': out += QLatin1String("&quot;"); break;
        // Tabs and the kit's own break mark travel as characters, not as the
        // white space HTML folds.
        case '\t': out += QLatin1String("&#9;"); break;
        default:
            if (c == kBreak)
                out += QLatin1String("&#57344;");
            else
                out += c;
        }
    }
    return out;
}

} // namespace interchange
