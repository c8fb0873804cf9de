// Accessibility: the time label changes ten times a second. QLabel would announce each change
// unless it has a fixed accessible name, and then a screen reader would hear only that name;
// this interface answers with the name and the current time, read when asked.
#include "Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>

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

QAccessibleInterface *TimeLabelFactory(const QString & /*className*/, QObject *object)
{
    auto *label = qobject_cast<TimeLabel *>(object);
    return label != nullptr ? new TimeLabelInterface(label) : nullptr;
}

} // namespace

void InstallTimeLabelAccessibility()
{
    QAccessible::installFactory(TimeLabelFactory);
}

} // namespace sumdrop
