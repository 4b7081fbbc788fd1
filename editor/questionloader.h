// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Clicking a question file in the editor's list loads it into the panel of
// its type, so an existing question can start a new one. loadQuestion says
// what the panels hold afterwards; the window writes back only the panel of
// the loaded type and the author, shows the named picture, graphic or text,
// and paints the graphic's target region. Nothing here writes a file.

#include "questioncheck.h"

#include "bank/question.h"

#include <QPoint>

#include <optional>

namespace editor {

struct LoadedQuestion {
    // Line 1 names a type. Any other file is not a question and changes
    // nothing in the window.
    bool isQuestion = false;
    bank::QuestionType type = bank::QuestionType::None;

    // The fields after loading: the author and the type's fields from the
    // file, every other field as it was. A field whose line the file lacks
    // gets its value of a fresh window ("0" for a mark, "Respuesta" for the
    // word), so nothing of the question shown before stays mixed in.
    EditorFields fields;

    // GraphicPoint: the pixel of the stored point, whose region is painted
    // again. None when the file has no point or it names no pixel at all.
    std::optional<QPoint> mark;
};

// Multiple choice: every non-empty line after the statement is an option, in
// order, the attachment line included (it becomes the last option and is
// written back as the last line); lines beyond the eighth option are
// dropped. The mark is set from the file (its first option ending in a
// space) and every other mark cleared, so no mark left from earlier editing
// lands on a blank option; the attachment button is not touched. The
// attachment line is remembered (loadedAttachment), so that saving writes it
// back as the attachment while it is still the last option.
// `read` is the question file as the bank reads it (bank::readQuestion); a
// file that could not be read or is no text (a NUL: damaged), or whose line 1
// names no type, is no question.
LoadedQuestion loadQuestion(const bank::QuestionRead &read, const EditorFields &current);

} // namespace editor
