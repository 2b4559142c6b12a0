// Baseline for a move: a bare Qt program that replaces one empty dialog with another when Return
// is pressed, showing the new one before the old one goes, as the program's screens do.
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>

namespace {

class SwappingDialog final : public QDialog {
public:
    SwappingDialog() {
        setWindowTitle(QStringLiteral("bare"));
        setFixedSize(792, 576);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Return) return QDialog::keyPressEvent(event);
        auto* next = new SwappingDialog;
        next->show();
        next->activateWindow();
        hide();
        deleteLater();
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    auto* first = new SwappingDialog;
    first->show();
    first->activateWindow();
    return QApplication::exec();
}
