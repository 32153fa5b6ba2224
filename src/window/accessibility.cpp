#include "accessibility.h"

#include "canvas.h"
#include "main_window.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QCoreApplication>

namespace volvenda {

namespace {

// The picture as an image, named and described by the canvas widget, with
// its menu as an action for those who do not use the Menu key.
class PictureAccessible final : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Canvas *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    [[nodiscard]] QStringList actionNames() const override { return {showMenuAction()}; }
    [[nodiscard]] QStringList keyBindingsForAction(const QString &action) const override
    {
        return action == showMenuAction() ? QStringList {QStringLiteral("Menu"), QStringLiteral("Shift+F10")}
                                          : QStringList();
    }
    void doAction(const QString &action) override
    {
        if (action != showMenuAction())
            return;
        // As the Menu key asks for it.
        const QPoint centre = widget()->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, widget()->mapToGlobal(centre));
        QCoreApplication::sendEvent(widget(), &event);
    }
};

QAccessibleInterface *accessibleRole(const QString &, QObject *object)
{
    if (auto *canvas = qobject_cast<Canvas *>(object))
        return new PictureAccessible(canvas);
    if (auto *window = qobject_cast<MainWindow *>(object))
        return new QAccessibleWidget(window, QAccessible::Window);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = (QAccessible::installFactory(accessibleRole), true);
    (void)installed;
}

} // namespace volvenda
