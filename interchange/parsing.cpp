// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "parsing.h"

namespace interchange::detail {

QString plainText(const QString &text, TextFormat format, QStringList *files)
{
    switch (format) {
    case TextFormat::Plain: {
        QString line = text;
        line.replace(QLatin1String("\r\n"), QLatin1String(" "));
        for (QChar &c : line) {
            if (c == u'\r' || c == u'\n')
                c = u' ';
        }
        return line.trimmed();
    }
    case TextFormat::Markdown:
        return markdownToPlain(text);
    case TextFormat::Html:
        break;
    }
    return htmlToPlain(text, files);
}

Skipped skipped(const QString &where, const QString &kind, const QString &reason)
{
    return Skipped{where, kind, reason};
}

Skipped unsupportedType(const QString &where, const QString &type)
{
    struct Kind {
        const char *type;
        const char *kind;
        const char *reason;
    };
    static const Kind kinds[] = {
        {"matching", QT_TRANSLATE_NOOP("interchange", "d'aparellar"),
         QT_TRANSLATE_NOOP("interchange", "pregunta d'aparellar: el banc no en té")},
        {"numerical", QT_TRANSLATE_NOOP("interchange", "numèrica"),
         QT_TRANSLATE_NOOP("interchange", "pregunta numèrica: el banc no en té")},
        {"essay", QT_TRANSLATE_NOOP("interchange", "de redacció"),
         QT_TRANSLATE_NOOP("interchange", "pregunta de redacció: el banc no en té")},
        {"multianswer", QT_TRANSLATE_NOOP("interchange", "cloze"),
         QT_TRANSLATE_NOOP("interchange", "pregunta cloze (respostes incrustades): el banc no en té")},
        {"description", QT_TRANSLATE_NOOP("interchange", "descripció"),
         QT_TRANSLATE_NOOP("interchange", "descripció sense pregunta: el banc no en té")},
        {"calculated", QT_TRANSLATE_NOOP("interchange", "calculada"),
         QT_TRANSLATE_NOOP("interchange", "pregunta calculada: el banc no en té")},
        {"ddwtos", QT_TRANSLATE_NOOP("interchange", "d'arrossegar"),
         QT_TRANSLATE_NOOP("interchange", "pregunta d'arrossegar: el banc no en té")},
        {"gapselect", QT_TRANSLATE_NOOP("interchange", "de triar paraules"),
         QT_TRANSLATE_NOOP("interchange", "pregunta de triar paraules que falten: el banc no en té")},
    };
    for (const Kind &k : kinds) {
        if (type == QLatin1String(k.type))
            return skipped(where, QCoreApplication::translate("interchange", k.kind),
                           QCoreApplication::translate("interchange", k.reason));
    }
    return skipped(where, QCoreApplication::translate("interchange", "de tipus «%1»").arg(type),
                   QCoreApplication::translate("interchange", "pregunta de tipus «%1»: el banc no en té").arg(type));
}

bool multipleChoice(const QList<Answer> &answers, const QString &where, Item &item, Skipped &why)
{
    int right = 0;
    int partial = 0;
    int penalties = 0;
    for (const Answer &a : answers) {
        if (a.fraction >= 100)
            ++right;
        else if (a.fraction > 0)
            ++partial;
        else if (a.fraction < 0)
            ++penalties;
    }
    if (right + partial > 1) {
        const int n = right + partial;
        why = skipped(where, n == 2 ? QCoreApplication::translate("interchange", "amb dues respostes correctes")
                                   : QCoreApplication::translate("interchange", "amb %1 respostes correctes").arg(n),
                      QCoreApplication::translate("interchange", "%1 respostes correctes: el banc en vol una").arg(n));
        return false;
    }
    if (partial == 1) {
        why = skipped(where, QCoreApplication::translate("interchange", "amb crèdit parcial"),
                      QCoreApplication::translate("interchange", "una resposta de crèdit parcial: el banc en vol una de correcta"));
        return false;
    }
    if (right == 0) {
        why = skipped(where, QCoreApplication::translate("interchange", "sense resposta correcta"),
                      QCoreApplication::translate("interchange", "cap resposta de valor complet: el banc en vol una de correcta"));
        return false;
    }
    if (answers.size() > 8) {
        why = skipped(where, QCoreApplication::translate("interchange", "amb més de 8 opcions"),
                      QCoreApplication::translate("interchange", "%1 opcions: el banc en porta 8 com a màxim").arg(answers.size()));
        return false;
    }
    item.question.type = bank::QuestionType::MultipleChoice;
    item.question.options.clear();
    for (const Answer &a : answers) {
        if (a.text.isEmpty()) {
            why = skipped(where, QCoreApplication::translate("interchange", "amb una opció buida"),
                          QCoreApplication::translate("interchange", "una opció sense text: el banc no en pot desar"));
            return false;
        }
        item.question.options << (a.fraction >= 100 ? a.text + u' ' : a.text);
    }
    if (penalties > 0)
        item.notes << QCoreApplication::translate("interchange", "les penalitzacions de les respostes errònies no es porten");
    return true;
}

bool writtenAnswer(const QList<Answer> &answers, const QString &where, Item &item, Skipped &why)
{
    QString first;
    QStringList others;
    bool partial = false;
    for (const Answer &a : answers) {
        if (a.fraction >= 100) {
            if (first.isEmpty())
                first = a.text;
            else
                others << a.text;
        } else if (a.fraction > 0) {
            partial = true;
        }
    }
    if (partial) {
        why = skipped(where, QCoreApplication::translate("interchange", "amb crèdit parcial"),
                      QCoreApplication::translate("interchange", "respostes amb crèdit parcial: el banc en vol una de correcta"));
        return false;
    }
    if (first.isEmpty()) {
        why = skipped(where, QCoreApplication::translate("interchange", "sense resposta correcta"),
                      QCoreApplication::translate("interchange", "cap resposta de valor complet"));
        return false;
    }
    item.question.type = bank::QuestionType::WrittenAnswer;
    item.question.answer = first;
    if (!others.isEmpty()) {
        QStringList quoted;
        for (const QString &o : others)
            //: an answer quoted in a list of them
            quoted << QCoreApplication::translate("interchange", "«%1»").arg(o);
        item.notes << QCoreApplication::translate("interchange", "només es porta la resposta «%1»; no les altres: %2")
                          .arg(first, quoted.join(QStringLiteral(", ")));
    }
    return true;
}

QString safeName(const QString &name)
{
    QString base = name.section(u'/', -1).section(u'\\', -1);
    QString out;
    for (const QChar c : base) {
        if (c.unicode() < 32 || QStringLiteral("<>:\"|?*").contains(c))
            out += u'_';
        else
            out += c;
    }
    out = out.trimmed();
    while (out.startsWith(u'.'))
        out.remove(0, 1);
    while (out.endsWith(u'.') || out.endsWith(u' '))
        out.chop(1);
    return out.left(120);
}

QStringList categoryFolders(const QString &path)
{
    // "//" stands for a slash inside a name, which a folder cannot hold.
    QString text = path.trimmed();
    text.replace(QLatin1String("//"), QLatin1String("\x01"));
    QStringList parts = text.split(u'/', Qt::SkipEmptyParts);
    if (!parts.isEmpty() && parts.first().startsWith(u'$') && parts.first().endsWith(u'$'))
        parts.removeFirst();
    if (!parts.isEmpty() && parts.first() == u"top")
        parts.removeFirst();
    QStringList folders;
    for (QString part : parts) {
        part.replace(QChar(1), u'-');
        const QString name = safeName(part);
        if (!name.isEmpty())
            folders << name;
    }
    return folders;
}

} // namespace interchange::detail
