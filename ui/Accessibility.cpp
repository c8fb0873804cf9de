// SPDX-License-Identifier: MIT
// Accessibility: the time label changes ten times a second. QLabel would announce each change
// unless it has a fixed accessible name, and then a screen reader would hear only that name;
// its interface answers with the name and the current time, read when asked. The windows are
// plain widgets, which Qt presents as fillers; as windows, a screen reader can speak their title.
#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>

namespace sumdrop {

namespace {

class TimeLabelInterface : public QAccessibleWidget {
public:
    explicit TimeLabelInterface(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (kind == QAccessible::Name) {
            return label->accessibleName() + QLatin1Char(' ') + label->text().trimmed();
        }
        if (kind == QAccessible::Value) {
            return label->text().trimmed();
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *InterfaceFactory(const QString &className, QObject *object)
{
    if (auto *label = qobject_cast<TimeLabel *>(object)) {
        return new TimeLabelInterface(label);
    }
    if (className == QLatin1String("sumdrop::Form1") || className == QLatin1String("sumdrop::Form2")) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    QAccessible::installFactory(InterfaceFactory);
}

Announcer::Announcer(QWidget *owner) : QObject(owner), window(owner)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *old, QWidget * /*now*/) {
        if (old != nullptr && old == speaker) {
            Restore();
        }
    });
}

void Announcer::Announce(const QString &text)
{
    QWidget *focus = window->focusWidget();
    if (focus == nullptr) {
        return;
    }
    if (focus != speaker) {
        Restore();
        speaker = focus;
        ownDescription = focus->accessibleDescription();
    }
    focus->setAccessibleDescription(text);
}

void Announcer::Restore()
{
    if (!speaker.isNull()) {
        speaker->setAccessibleDescription(ownDescription);
    }
    speaker.clear();
}

} // namespace sumdrop
