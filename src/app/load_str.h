#pragma once

#include <QString>

// The string of the string table with that id; a null QString when the id has none.
QString LoadStr(int id);
