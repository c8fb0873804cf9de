// SPDX-License-Identifier: MIT
// Form2: holds no game state; its OK button only tells whoever opened it.
#include "Form2.h"

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
#include <utility>

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

Form2 *Form2::ShowHelpWindow(const std::function<void()> &ok)
{
    return ShowSingleWindow(loadedHelpWindow, ok);
}

Form2 *Form2::Loaded()
{
    return loadedHelpWindow;
}

Form2::Form2(std::function<void()> ok)
    : scale(metrics::Scale::ToFitScreen(layout::HelpWindow)), okClicked(std::move(ok))
{
    // SetUpWindow paints it white, the classic scheme's title-bar text colour, which Qt has no role for.
    SetUpWindow(*this, Text(layout::HelpWindow.caption), scale.Size(layout::HelpWindow));
    Label1 = MakeLabel(this, layout::HelpHeading, scale);

    // The picture's top and bottom rows are white, so it may overlap the labels around it.
    Image1 = MakeLabel(this, layout::HelpPicture, scale);
    Image1->setPixmap(RulePicture(devicePixelRatioF(), Image1->size()));
    Image1->setAccessibleName(Text(layout::HelpPictureName));

    Label2 = MakeLabel(this, layout::HelpSentence, scale);
    Label2->setWordWrap(true);

    Command1 = MakeButton(this, layout::HelpOkButton, scale);
    Command1->setFocus(Qt::OtherFocusReason);
    // The window opens with the focus on OK, and a screen reader reads what OK is for: there the
    // player hears the whole explanation, heading, sentence and picture.
    Command1->setAccessibleDescription(QStringList{Label1->text(), Label2->text(), Image1->accessibleDescription(),
                                                   Text(layout::HelpOkButton.description)}
                                           .join(QLatin1Char(' ')));
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
}

void Form2::Command1_Click()
{
    okClicked();
}

} // namespace sumdrop
