#include "desktop/messagebox.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMutex>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include "desktop/application.h"
#include "framework/settingsstore.h"

namespace {
QMutex g_hookLock;
MessageBox::AnswerHook &hookStore()
{
    static MessageBox::AnswerHook hook;
    return hook;
}

constexpr char kTextProperty[] = "sorvelMessageText";

// The boxes on screen, for withdraw().
QList<QPointer<QDialog>> &openBoxes()
{
    static QList<QPointer<QDialog>> boxes;
    return boxes;
}

struct OpenBox {
    explicit OpenBox(QDialog *box) : m_box(box) { openBoxes().append(box); }
    ~OpenBox() { openBoxes().removeAll(m_box); }
    QPointer<QDialog> m_box;
};

QString defaultTitle(MessageBox::Kind kind)
{
    if (auto *app = Application::instance(); app && app->pref())
        return app->pref()->productName();
    switch (kind) {
    case MessageBox::Alert:
        return QObject::tr("Error");
    case MessageBox::Question:
        return QObject::tr("Question");
    case MessageBox::Info:
        break;
    }
    return QObject::tr("Information");
}
} // namespace

MessageBox::AnswerHook MessageBox::setAnswerHook(AnswerHook hook)
{
    QMutexLocker locker(&g_hookLock);
    AnswerHook old = std::move(hookStore());
    hookStore() = std::move(hook);
    return old;
}

bool MessageBox::hasAnswerHook()
{
    QMutexLocker locker(&g_hookLock);
    return bool(hookStore());
}

void MessageBox::alert(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Alert, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

void MessageBox::info(const QString &text, const QString &title, QWidget *parent, bool)
{
    show({Info, text, title, QDialogButtonBox::Ok, QDialogButtonBox::Ok}, parent);
}

QDialogButtonBox::StandardButton MessageBox::question(const QString &text, const QString &title,
                                                      QDialogButtonBox::StandardButtons buttons,
                                                      QWidget *parent,
                                                      QDialogButtonBox::StandardButton defaultButton, bool)
{
    return show({Question, text, title, buttons, defaultButton}, parent);
}

QDialogButtonBox::StandardButton MessageBox::list(Kind kind, const QString &text, const QStringList &items,
                                                  QWidget *parent, QDialogButtonBox::StandardButtons buttons,
                                                  QDialogButtonBox::StandardButton defaultButton,
                                                  const QMap<QDialogButtonBox::StandardButton, QString> &buttonTexts)
{
    return show({kind, text, QString(), buttons, defaultButton, items, buttonTexts}, parent);
}

QDialogButtonBox::StandardButton MessageBox::ask(const Request &request, QWidget *parent)
{
    return show(request, parent);
}

int MessageBox::withdraw(const QString &text, QDialogButtonBox::StandardButton answer)
{
    int closed = 0;
    const QList<QPointer<QDialog>> boxes = openBoxes();
    for (const QPointer<QDialog> &box : boxes) {
        if (box && box->property(kTextProperty).toString() == text) {
            box->done(int(answer));
            ++closed;
        }
    }
    return closed;
}

QDialogButtonBox::StandardButton MessageBox::show(const Request &request, QWidget *parent)
{
    AnswerHook hook;
    {
        QMutexLocker locker(&g_hookLock);
        hook = hookStore();
    }
    if (hook)
        return hook(request);

    if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
        return request.defaultButton; // no GUI: nobody can answer

    const QString title = request.title.isEmpty() ? defaultTitle(request.kind) : request.title;
    const QMessageBox::Icon icon = request.kind == Alert      ? QMessageBox::Critical
                                   : request.kind == Question ? QMessageBox::Question
                                                              : QMessageBox::Information;
    if (!request.items.isEmpty())
        return showList(request, title, icon, parent);
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(request.text);
    box.setIcon(icon);
    box.setStandardButtons(QMessageBox::StandardButtons(int(request.buttons)));
    box.setDefaultButton(QMessageBox::StandardButton(int(request.defaultButton)));
    for (auto it = request.buttonTexts.cbegin(); it != request.buttonTexts.cend(); ++it) {
        if (QAbstractButton *button = box.button(QMessageBox::StandardButton(int(it.key()))))
            button->setText(it.value());
    }
    box.setProperty(kTextProperty, request.text);
    OpenBox open(&box);
    return QDialogButtonBox::StandardButton(box.exec());
}

QDialogButtonBox::StandardButton MessageBox::showList(const Request &request, const QString &title,
                                                      int icon, QWidget *parent)
{
    // A dialog of its own: a message box grows with its text, and a
    // thousand lines would push its buttons off the screen.
    QDialog box(parent);
    box.setWindowTitle(title);
    box.setObjectName(QStringLiteral("messageList"));
    auto *layout = new QVBoxLayout(&box);
    auto *top = new QHBoxLayout;
    auto *iconLabel = new QLabel(&box);
    const int extent = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    iconLabel->setPixmap(QMessageBox::standardIcon(QMessageBox::Icon(icon)).scaled(
        extent, extent, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    iconLabel->setAlignment(Qt::AlignTop);
    top->addWidget(iconLabel);
    auto *text = new QLabel(request.text, &box);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    top->addWidget(text, 1);
    layout->addLayout(top);
    auto *list = new QListWidget(&box);
    list->setObjectName(QStringLiteral("messageItems"));
    list->setAccessibleName(QObject::tr("Files"));
    list->addItems(request.items);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setWordWrap(false);
    layout->addWidget(list, 1);
    auto *buttons = new QDialogButtonBox(request.buttons, &box);
    for (auto it = request.buttonTexts.cbegin(); it != request.buttonTexts.cend(); ++it) {
        if (QPushButton *button = buttons->button(it.key()))
            button->setText(it.value());
    }
    if (QPushButton *button = buttons->button(request.defaultButton))
        button->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::clicked, &box,
                     [&box, buttons](QAbstractButton *b) { box.done(int(buttons->standardButton(b))); });
    layout->addWidget(buttons);
    // As wide as the longest line allows, never taller than half the
    // screen: the list scrolls.
    const QRect screen = (parent ? parent->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    const int rows = int(qMin<qsizetype>(request.items.size(), 12));
    list->setMinimumHeight(qMin(screen.height() / 2, list->sizeHintForRow(0) * rows + 2 * list->frameWidth() + 4));
    box.resize(qMin(screen.width() * 3 / 4, qMax(480, list->sizeHintForColumn(0) + 80)), box.sizeHint().height());
    box.setMaximumHeight(screen.height());
    box.setProperty(kTextProperty, request.text);
    OpenBox open(&box);
    const int answer = box.exec();
    return answer == QDialog::Rejected && !(request.buttons & QDialogButtonBox::Cancel)
               ? request.defaultButton
               : QDialogButtonBox::StandardButton(answer);
}
