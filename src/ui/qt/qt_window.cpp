#include "ui/qt/qt_window.h"

#include <QApplication>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <vector>

#include "ui/pictures.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/drop_down_box.h"
#include "ui/qt/fonts.h"
#include "ui/qt/form_window.h"
#include "ui/qt/option_box.h"
#include "ui/qt/qt_colour.h"
#include "ui/qt/qt_control.h"
#include "ui/qt/qt_text.h"
#include "ui/qt/qt_widgets.h"
#include "ui/qt/window_placement.h"

namespace brivan::ui {

namespace {

const QIcon& windowIconPictures() {
    static const QIcon icon = [] {
        const PictureFile& file = windowIcon();
        QIcon i(QStringLiteral(":/") + qs(file.name));
        i.addFile(QStringLiteral(":/") + qs(file.twice));
        return i;
    }();
    return icon;
}

}  // namespace

// What the shared rules tell reaches the screen reader through Qt, once the event that ran the
// handler is done.
class QtWindow::QtVoice final : public Voice {
public:
    explicit QtVoice(FormWindow* window) : window_(window) {}
    void afterHandler(std::function<void()> fn) override { QTimer::singleShot(0, window_, std::move(fn)); }
    bool windowShown() const override { return window_->isVisible(); }
    void announce(const std::string& words) override { speech::announce(window_, QString::fromStdString(words)); }

private:
    FormWindow* window_;
};

std::unique_ptr<backend::Window> backend::openWindow(const Layout& layout) { return std::make_unique<QtWindow>(layout); }

QtWindow::QtWindow(const Layout& layout) : layout_(layout), window_(new FormWindow) {
    useScreenFontByDefault();
    const WindowSpec& frame = layout.window;
    window_->setWindowTitle(qs(frame.caption));
    window_->setFixedSize(pixels(frame.width), pixels(frame.height));
    window_->back = toQColor(frame.back);
    if (frame.icon) window_->setWindowIcon(windowIconPictures());
    window_->setFont(makeFont(kDefaultFont));
    if (!frame.description.empty()) window_->setAccessibleDescription(qs(frame.description));
    voice_ = std::make_unique<QtVoice>(window_);
}

QtWindow::~QtWindow() {
    window_->frameClose = nullptr;
    window_->hide();
    window_->deleteLater();
}

std::unique_ptr<ControlPeer> QtWindow::build(const ControlSpec& row, std::size_t) {
    return std::make_unique<QtControl>(makeWidget(row, window_), row);
}

void QtWindow::complete(const Form& form) {
    form_ = &form;
    // The tables list controls front to back: raise from the back so that the first is on top.
    for (std::size_t i = layout_.controls.size(); i-- > 0;) widgetAt(i)->raise();

    const std::vector<const ControlSpec*> chain = tabOrder(layout_);
    for (std::size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(control(chain[i - 1]->name), control(chain[i]->name));

    for (const ControlSpec& row : layout_.controls)
        if (const ControlSpec* option = optionOfText(layout_, row))
            new OptionText(control(row.name), static_cast<QAbstractButton*>(control(option->name)));

    for (const ControlSpec& row : layout_.controls) {
        window_->hasDefault |= row.role == Role::Default;
        if (row.role != Role::Cancel) continue;
        auto* cancel = static_cast<QPushButton*>(control(row.name));
        auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), window_);
        QObject::connect(escape, &QShortcut::activated, cancel, [cancel] {
            // An open drop-down list takes Escape first, as everywhere on a desktop.
            for (QWidget* w = QApplication::focusWidget(); w; w = w->parentWidget())
                if (const auto* box = dynamic_cast<const DropDownBox*>(w); box && box->listClosedJustNow()) return;
            cancel->click();
        });
    }
}

Voice& QtWindow::voice() { return *voice_; }

void QtWindow::onClick(std::size_t index, std::function<void()> handler) {
    auto* button = static_cast<QAbstractButton*>(widgetAt(index));
    QObject::connect(button, &QAbstractButton::clicked, window_, [handler = std::move(handler)] { handler(); });
}

void QtWindow::onFrameClose(std::function<void()> handler) { window_->frameClose = std::move(handler); }

void QtWindow::show(ControlPeer* first) {
    placeOnScreen(window_, layout_.window.centred);
    window_->setVisible(true);
    window_->activateWindow();
    if (first) static_cast<QtControl*>(first)->widget()->setFocus(Qt::TabFocusReason);
}

QWidget* QtWindow::window() const { return window_; }

QWidget* QtWindow::widgetAt(std::size_t index) const { return static_cast<QtControl&>(form_->peerAt(index)).widget(); }

QWidget* QtWindow::control(std::string_view name) const { return widgetAt(form_->indexOf(name)); }

}  // namespace brivan::ui
