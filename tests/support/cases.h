#pragma once

#include <QTest>

#include <initializer_list>
#include <utility>

// A test table of one column, "row", holding a whole case: the table reads as
// a list of named cases and the test fetches a single struct.
template<typename Case>
void addRows(std::initializer_list<std::pair<const char *, Case>> rows)
{
    QTest::addColumn<Case>("row");
    for (const auto &[name, row] : rows)
        QTest::newRow(name) << row;
}
