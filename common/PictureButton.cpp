#include "PictureButton.h"

#include <QAccessibleWidget>

namespace {

class AccessiblePictureButton final : public QAccessibleWidget
{
public:
    explicit AccessiblePictureButton(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked(bool)"));
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty())
            text = button()->text().remove(u'&').replace(u'\n', u' ');
        return text;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction() && button()->isEnabled())
            button()->animateClick();
    }

private:
    QToolButton *button() const { return static_cast<QToolButton *>(widget()); }
};

QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == u"PictureButton" && object->isWidgetType())
        return new AccessiblePictureButton(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

PictureButton::PictureButton(QWidget *parent)
    : QToolButton(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}
