#pragma once

#include <string_view>

#include "lang/FileProblem.h"
#include "model/CoefTable.h"

// What the door file's reader and writer say of a table or a field value they refuse, in
// texts each language can say; the English forms are those of the table and field checks.

// A table that does not pass the table check.
FileProblem TableFileProblem(std::string_view table, const TableProblem& problem);
// Why `value` cannot go into the named field, or an empty problem when it can.
FileProblem FieldFileProblem(std::string_view name, long double value);
