// SPDX-License-Identifier: MIT
// ModalMessage: the game's message box, application-modal, keeping the keyboard while it is open.
#include "ModalMessage.h"

#include "Layout.h"
#include "WindowActivation.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QMessageBox>

namespace sumdrop {

namespace {

int openBoxes = 0;

void WidenForTitle(QMessageBox &box)
{
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(layout::MessageMinimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

} // namespace

void ShowModalMessage(QWidget *owner, const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, Text(layout::MessageCaption), QString::fromStdString(text), QMessageBox::Ok,
                    owner);
    box.setObjectName(QStringLiteral("message"));
    box.setWindowModality(Qt::ApplicationModal);
    // With its one button as the escape button too, OK, Enter, Esc and the close box all agree.
    box.setEscapeButton(QMessageBox::Ok);
    WidenForTitle(box);
    // A click on another of the game's windows may take the keyboard to it (Wayland compositors
    // do), where Enter and Esc would be lost.
    KeepKeyboard(box);
    ++openBoxes;
    box.exec();
    --openBoxes;
}

bool ModalMessageOpen()
{
    return openBoxes > 0;
}

} // namespace sumdrop
