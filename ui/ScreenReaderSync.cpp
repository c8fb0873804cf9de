// SPDX-License-Identifier: MIT
#include "ScreenReaderSync.h"

#include "Accessibility.h"
#include "Narration.h"

#include <QLabel>

namespace sumdrop {

ScreenReaderSync::ScreenReaderSync(QWidget *owner, const std::array<QLabel *, CellCount> &boxes)
    : cells(boxes), announcer(new Announcer(owner))
{
}

void ScreenReaderSync::DescribeCells(const NumberTriangle &triangle, bool running)
{
    for (int cell = 0; cell < CellCount; ++cell) {
        const QString name = QString::fromStdString(CellName(triangle, cell, running));
        QLabel *box = cells.at(cell);
        if (box->accessibleName() != name) {
            box->setAccessibleName(name);
        }
    }
}

void ScreenReaderSync::Narrate(const std::string &sentence)
{
    if (!sentence.empty()) {
        announcer->Announce(QString::fromStdString(sentence));
    }
}

} // namespace sumdrop
