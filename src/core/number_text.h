#pragma once

#include <QString>

// The decimal text of a number as the settings store keeps it; throws
// std::invalid_argument with "'<text>' is not a valid integer value" when it is none.
int IntegerFromText(const QString& text);
