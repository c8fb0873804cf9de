// SPDX-License-Identifier: MIT
// ScreenReaderSync: the session's box names and sentences handed to Qt's accessibility.
#include "ScreenReaderSync.h"

#include "Accessibility.h"

#include <QLabel>

namespace sumdrop {

ScreenReaderSync::ScreenReaderSync(QWidget *owner, const std::array<QLabel *, CellCount> &boxes)
    : cells(boxes), announcer(new Announcer(owner))
{
}

void ScreenReaderSync::SetCellName(int cell, const std::string &name)
{
    cells.at(cell)->setAccessibleName(QString::fromStdString(name));
}

void ScreenReaderSync::Narrate(const std::string &sentence)
{
    announcer->Announce(QString::fromStdString(sentence));
}

} // namespace sumdrop
