// SPDX-License-Identifier: MIT
// Accessibility: the time label changes ten times a second. QLabel would announce each change
// unless it has a fixed accessible name, and then a screen reader would hear only that name;
// its interface answers with the name and the current time, read when asked. The windows are
// plain widgets, which Qt presents as fillers; as windows, a screen reader can speak their title.
#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

namespace sumdrop {

namespace {

// The class names of the game's windows.
QStringList windowClasses;

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
    if (auto *notice = qobject_cast<AnnouncementLabel *>(object)) {
        return new QAccessibleWidget(notice, QAccessible::Notification);
    }
    if (windowClasses.contains(className)) {
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility(std::initializer_list<const QMetaObject *> windows)
{
    for (const QMetaObject *window : windows) {
        windowClasses.append(QString::fromLatin1(window->className()));
    }
    QAccessible::installFactory(InterfaceFactory);
}

Announcer::Announcer(QWidget *owner) : QObject(owner), notice(new AnnouncementLabel(owner))
{
    notice->setObjectName(QStringLiteral("announcement"));
    notice->setGeometry(0, 0, 0, 0);
    notice->hide();
}

void Announcer::Announce(const QString &text)
{
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

} // namespace sumdrop
