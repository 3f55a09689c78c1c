// SPDX-License-Identifier: MIT
#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace accessibility {

namespace {

QAccessibleInterface* notificationFactory(const QString& className, QObject* object)
{
    if (className != QLatin1StringView(Announcer::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}

// Installed once, and only once an application exists: a factory installed before it is not
// asked (measured with Qt 6.4.2), and the interface is cached with the first role it had.
void installFactoryOnce()
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent)
{
    installFactoryOnce();
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    QWidget::setVisible(false);
}

void Announcer::say(const QString& text)
{
    // Orca speaks a notification as it turns showing, and ignores a name changed while shown.
    hide();
    setAccessibleName(text);
    show();
}

void announce(QWidget& context, const QString& text)
{
    QWidget* window = context.window();
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    if (!announcer)
        announcer = new Announcer(window);
    announcer->say(text);
}

void announceProblem(QWidget& field, const QString& problem)
{
    const QString name = field.accessibleName();
    // The clause mark of the language in force (desktop/language_texts.h has the same).
    announce(field,
             name.isEmpty()
                 ? problem
                 : name + QCoreApplication::translate("Words", "、", "joins clauses") + problem);
}

} // namespace accessibility
