// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The question editor: Form1 holds one panel per question type; "Comprobar"
// runs the type's checks on the panel fields (checkQuestion), and for a
// multiple-choice question moves the trailing space onto the marked option
// (normaliseOptions), moves options up over empty ones (closeOptionGaps)
// and opens the preview Form2; "Guardar pregunta" turns
// the fields into a bank::Question (questionFromFields) and hands it to the
// bank writer (saveQuestion). Everything here works on plain values, so the
// rules are tested without a window.

#include "bank/question.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

namespace editor {

inline constexpr int kOptionCount = 8;
using Options = std::array<QString, kOptionCount>;

// The panel fields as the window holds them, named by what they mean.
struct EditorFields {
    QString author;                 // Text2

    QString choiceStatement;        // Text1(0)
    Options options;                // Text1(1) ... Text1(8)
    int markedOption = 0;           // k of the blue Label1(k), 0 when none is
    QString attachmentCaption;      // caption of Command7
    // The attachment line of the multiple-choice question loaded last, which
    // loading made its last option; empty when there is none.
    QString loadedAttachment;

    QString writtenStatement;       // Text3
    QString writtenAnswer;          // Text4

    QString pictureFile;            // selected in File3
    QString pictureStatement;       // Text5
    QString pictureAnswer;          // Text6

    QString graphicFile;            // selected in File2
    QString graphicStatement;       // Text7
    QString xCaption = QStringLiteral("0"); // Label8(1)
    QString yCaption = QStringLiteral("0"); // Label9(1)

    QString readingFile;            // selected in File4
    QString readingStatement;       // Text9
    QString wordCaption = QCoreApplication::translate("editor", "Respuesta"); // Label11

    QString trueFalseStatement;     // Text10
    QString trueFalseCaption;       // Label10

    friend bool operator==(const EditorFields &, const EditorFields &) = default;
};

// Functions, not constants: a text is looked up in the language loaded.
inline QString kAttachmentButtonCaption() { return QCoreApplication::translate("editor", "Añadir txt, gif o jpg"); }
inline QString kNoWordCaption() { return QCoreApplication::translate("editor", "Respuesta"); }
inline QString kAgreed() { return QCoreApplication::translate("editor", "De acuerdo"); }
inline QString kCheckFirst() { return QCoreApplication::translate("editor", "Se debe comprobar la pregunta"); }
inline QString kNoEnter() { return QCoreApplication::translate("editor", "No se puede pulsar la tecla intro"); }

// The caption of Command7 names an attachment when it ends in .txt, .jpg or
// .gif (any case); the button's own caption does not.
bool hasAttachment(const QString &caption);

struct CheckOutcome {
    QStringList messages; // shown one after another
    bool passed = false;  // questionChecked becomes True
    bool normalise = false;       // move the trailing space onto the marked option
    bool openCheckWindow = false; // the multiple-choice preview
};

// "Comprobar" for a question of `type`. A multiple-choice question collects
// every failing test's message; the other types stop at the first failure
// and say "De acuerdo" when none fails. No type (None) neither passes nor
// says anything.
CheckOutcome checkQuestion(bank::QuestionType type, const EditorFields &fields);

// The options after a passed check: exactly the marked one (1 to 8, 0 for
// none) ends in one space, the others end without. Removing every trailing
// space, not just one, keeps an option typed with two from staying correct
// and makes a second check change nothing. An unmarked option of spaces only
// becomes empty: kept as a space, the player would take it for a second
// correct answer. The marked option, even empty, becomes a single space.
Options normaliseOptions(const Options &options, int markedOption);

// An option that the check takes for empty: nothing, or only spaces when it
// is not the marked one. (A marked blank option is refused on its own.)
bool isEmptyOption(const QString &option, bool marked);

struct ChoiceOptions {
    Options options;
    int markedOption = 0;
};

// The file ends the options at the first empty one, so after the check the
// options after an empty one move up, each keeping its mark: 1, 2 and 4
// become 1, 2 and 3, and none is lost.
ChoiceOptions closeOptionGaps(const Options &options, int markedOption);

// The question "Guardar pregunta" writes for `type`, from the panel fields.
// A last option that is still the loaded question's attachment line is
// written as its attachment: the same last line, which every reader takes
// for the attachment again; an attachment chosen since replaces it.
bank::Question questionFromFields(bank::QuestionType type, const EditorFields &fields);

struct SaveOutcome {
    bool written = false;
    bool resetAttachment = false; // Command7 returns to its own caption
    bool clearChecked = false;    // questionChecked becomes False
    QString message;              // shown when not empty
    int number = 0;               // N of the new N.txt
};

// "Guardar pregunta" into `folder`. Without a passed check it only asks for
// one. A failed write keeps the check, so the author can mend the cause
// (a missing folder, a character the file cannot hold) and save again.
SaveOutcome saveQuestion(const QString &folder, bank::QuestionType type, bool questionChecked,
                         const EditorFields &fields);

// What a passed check saw: the type and the fields as the check left them.
struct CheckedQuestion {
    bank::QuestionType type = bank::QuestionType::None;
    EditorFields fields;
};

// Whether `now` is still the question that passed the check: same type and
// same fields. An edit after the check (an option emptied, another option
// marked, a new graphic) voids it, so a save writes only what was checked.
// The author line is left out: it judges nothing.
bool stillAsChecked(const CheckedQuestion &checked, bank::QuestionType type, const EditorFields &now);

inline QString kBlankMarkedOption() { return QCoreApplication::translate("editor", "La opción marcada como correcta está vacía"); }

// Keeps a field on one line: every line break becomes a space.
QString withoutLineBreaks(QString text);

} // namespace editor
