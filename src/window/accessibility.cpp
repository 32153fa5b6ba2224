#include "accessibility.h"

#include "canvas.h"
#include "main_window.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QWindow>

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

// The window as a frame, not active while a menu has the keyboard. As a menu
// opens, the toolkit (6.4 at least) tells of the window's focus going to it
// as a change of the window's active state; the window, still the
// application's active one, then read as active, and Orca left the menu just
// opened to say the window again.
class WindowAccessible final : public QAccessibleWidget
{
public:
    explicit WindowAccessible(MainWindow *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.active = state.active && QApplication::activePopupWidget() == nullptr;
        return state;
    }
};

// A field of the window as the toolkit's own line edit presents it, but with
// its text as one run of attributes. The toolkit's gives each offset a run
// that ends where it begins; Orca 43 joins the runs into the value it speaks,
// which so came out one character short ("12" for 120, nothing for 0).
class FieldAccessible final : public QAccessibleWidget,
                              public QAccessibleTextInterface,
                              public QAccessibleEditableTextInterface
{
public:
    explicit FieldAccessible(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Value ? field()->text() : QAccessibleWidget::text(kind);
    }
    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            field()->setText(text);
        else
            QAccessibleWidget::setText(kind, text);
    }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.selectableText = true;
        return state;
    }

    // The text, which has no attributes: one run over all of it.
    [[nodiscard]] QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }
    [[nodiscard]] QString text(int startOffset, int endOffset) const override
    {
        return startOffset <= endOffset ? field()->text().mid(startOffset, endOffset - startOffset) : QString();
    }
    [[nodiscard]] int characterCount() const override { return static_cast<int>(field()->text().size()); }
    [[nodiscard]] int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    [[nodiscard]] int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && field()->hasSelectedText()) {
            *startOffset = field()->selectionStart();
            *endOffset = *startOffset + field()->selectionLength();
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            field()->setSelection(startOffset, endOffset - startOffset);
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            field()->deselect();
    }
    // Measured along the text from the field's top left corner, as the toolkit measures it.
    [[nodiscard]] QRect characterRect(int offset) const override
    {
        const QString character = text(offset, offset + 1);
        if (character.isEmpty())
            return {};
        const QFontMetrics metrics(field()->font());
        const QPoint corner(metrics.horizontalAdvance(field()->text().left(offset)), field()->textMargins().top());
        return {field()->mapToGlobal(corner), QSize(metrics.horizontalAdvance(character), metrics.height())};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }

    void deleteText(int startOffset, int endOffset) override
    {
        field()->setText(field()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override
    {
        field()->setText(field()->text().insert(offset, text));
    }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        field()->setText(field()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    [[nodiscard]] QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt 6.8 has an event for news told wherever the focus is; before it, news is
// told as a notification that shows, which screen readers speak as it shows
// (Orca 43 and 48 do). This one is the picture's, never on screen, and tells
// what the picture's description says.
class PictureNewsAccessible final : public QAccessibleObject
{
public:
    explicit PictureNewsAccessible(QObject *news)
        : QAccessibleObject(news)
    {
    }

    [[nodiscard]] QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    [[nodiscard]] QAccessibleInterface *child(int) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    [[nodiscard]] QString text(QAccessible::Text kind) const override
    {
        const QAccessibleInterface *picture = parent();
        return kind == QAccessible::Name || kind == QAccessible::Description ? picture->text(kind) : QString();
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::Notification; }
    [[nodiscard]] QAccessible::State state() const override { return {}; }
};

const QString PictureNews = QStringLiteral("pictureNews");
#endif

// The application with its open menus among its windows. The toolkit's
// leaves out popup windows, so that a menu's place in its parent is nowhere;
// Orca then takes the menu for one already gone, and says nothing of it as the
// focus enters it.
class ApplicationAccessible final : public QAccessibleApplication
{
public:
    [[nodiscard]] int childCount() const override
    {
        return QAccessibleApplication::childCount() + static_cast<int>(openPopups().size());
    }
    [[nodiscard]] QAccessibleInterface *child(int index) const override
    {
        const int windows = QAccessibleApplication::childCount();
        if (index < windows)
            return QAccessibleApplication::child(index);
        const QList<QAccessibleInterface *> popups = openPopups();
        return index - windows < popups.size() ? popups.at(index - windows) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface *child) const override
    {
        const int popup = static_cast<int>(openPopups().indexOf(child));
        return popup < 0 ? QAccessibleApplication::indexOfChild(child) : QAccessibleApplication::childCount() + popup;
    }

private:
    static QList<QAccessibleInterface *> openPopups()
    {
        QList<QAccessibleInterface *> popups;
        for (QWindow *window : QGuiApplication::topLevelWindows())
            if (window->type() == Qt::Popup && window->isVisible())
                if (QAccessibleInterface *popup = window->accessibleRoot())
                    popups << popup;
        return popups;
    }
};

QAccessibleInterface *accessibleRole(const QString &, QObject *object)
{
    if (object == QCoreApplication::instance())
        return new ApplicationAccessible;
    if (auto *canvas = qobject_cast<Canvas *>(object))
        return new PictureAccessible(canvas);
    if (auto *window = qobject_cast<MainWindow *>(object))
        return new WindowAccessible(window);
    if (auto *field = qobject_cast<QLineEdit *>(object); field && qobject_cast<MainWindow *>(field->parent()))
        return new FieldAccessible(field);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (object->objectName() == PictureNews && qobject_cast<Canvas *>(object->parent()))
        return new PictureNewsAccessible(object);
#endif
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = (QAccessible::installFactory(accessibleRole), true);
    (void)installed;
}

void announcePicture(QWidget *picture)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent told(picture, picture->accessibleDescription());
#else
    auto *news = picture->findChild<QObject *>(PictureNews, Qt::FindDirectChildrenOnly);
    if (news == nullptr) {
        news = new QObject(picture);
        news->setObjectName(PictureNews);
    }
    // New words first: a screen reader may keep the last ones it read.
    QAccessibleEvent changed(news, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent told(news, QAccessible::ObjectShow);
#endif
    QAccessible::updateAccessibility(&told);
}

void tellFocus(QWidget *widget)
{
    QAccessibleEvent focus(widget, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

} // namespace volvenda
