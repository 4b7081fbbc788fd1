// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The folder tree's "Importar preguntas…" and "Exportar preguntas…": the
// same imports and exports as brenloq-convert, told in the editor's language.

#include "interchange/interchange.h"

#include <QString>

namespace editor {

// The message box text for what an import (or export) did. The kinds and
// places of the questions not carried come in the run's language already.
QString interchangeSummary(const interchange::Outcome &outcome, bool import);

} // namespace editor
