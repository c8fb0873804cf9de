// SPDX-License-Identifier: MIT
// Form2: holds no game state; its OK button only brings the main window back.
#include "Form2.h"

#include "Form1.h"
#include "Metrics.h"
#include "WindowParts.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QtMath>

#include <algorithm>

namespace sumdrop {

namespace {

QPointer<Form2> loadedHelpWindow;

// The sketch at its own size. On a high-dpi screen it is enlarged here by whole pixels, since
// the painter would smooth it and blur the strokes. In a window drawn smaller to fit its screen,
// it shrinks with everything else, smoothly, to the size its box has there.
QPixmap RulePicture(qreal devicePixelRatio, QSize box)
{
    const QImage picture(QStringLiteral(":/assets/rule.png"));
    if (box != picture.size()) {
        const qreal ratio = std::max<qreal>(1.0, devicePixelRatio);
        QPixmap pixmap =
            QPixmap::fromImage(picture.scaled(box * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        pixmap.setDevicePixelRatio(ratio);
        return pixmap;
    }
    const int factor = std::max(1, qCeil(devicePixelRatio));
    QPixmap pixmap =
        QPixmap::fromImage(picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(factor);
    return pixmap;
}

} // namespace

Form2 *Form2::ShowHelpWindow()
{
    return ShowSingleWindow(loadedHelpWindow);
}

Form2 *Form2::Loaded()
{
    return loadedHelpWindow;
}

Form2::Form2() : scale(metrics::Scale::ToFitScreen({ClientWidth, ClientHeight}))
{
    // SetUpWindow paints it white, the classic scheme's title-bar text colour, which Qt has no role for.
    SetUpWindow(*this, QStringLiteral("Form2"), scale.Size(ClientWidth, ClientHeight));

    Label1 = MakeLabel(this, QStringLiteral("Label1"), QStringLiteral("ゲーム説明"), scale.Rect(600, 240, 6495, 495),
                       scale.Font(14.25, true), Qt::AlignHCenter);

    // The picture's top and bottom rows are white, so it may overlap the labels around it.
    Image1 =
        MakeLabel(this, QStringLiteral("Image1"), QString(), scale.Rect(1080, 600, 5745, 4515), font(), Qt::AlignLeft);
    Image1->setPixmap(RulePicture(devicePixelRatioF(), Image1->size()));
    Image1->setAccessibleName(QStringLiteral("ルールの例"));
    Image1->setAccessibleDescription(QStringLiteral("4と8を足すと12なので12と書くのは×。5と6を足すと11なので、"
                                                    "１の位の1を書くのが○。"));

    Label2 = MakeLabel(this, QStringLiteral("Label2"),
                       QStringLiteral("上にある２つの数字を足して１の位の数字をボタンで入力する。"),
                       scale.Rect(480, 5040, 6735, 855), scale.Font(18, false), Qt::AlignLeft);
    Label2->setWordWrap(true);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(scale.Rect(3000, 6000, 1455, 495));
    Command1->setFont(scale.Font(18, false));
    Command1->setFocus(Qt::OtherFocusReason);
    // The window opens with the focus on OK, and a screen reader reads what OK is for: there the
    // player hears the whole explanation, heading, sentence and picture.
    Command1->setAccessibleDescription(QStringList{Label1->text(), Label2->text(), Image1->accessibleDescription(),
                                                   QStringLiteral("OKでゲームの画面に戻る")}
                                           .join(QLatin1Char(' ')));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click()
{
    Form1::ShowMainWindow();
}

} // namespace sumdrop
