// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The folder tree's "Importar preguntas…" and "Exportar preguntas…": the
// same imports and exports as brenloq-convert, told in the editor's Spanish.

#include "interchange/interchange.h"

#include <QString>

namespace editor {

// The message box text for what an import (or export) did.
QString interchangeSummary(const interchange::Outcome &outcome, bool import);

// A kind of question not carried, as the summary counts it, in Spanish.
QString spanishKind(const QString &kind);

} // namespace editor
