// Baseline for start-up and memory: a bare Qt program that maps one empty fixed-size dialog.
#include <QApplication>
#include <QDialog>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare"));
    dialog.setFixedSize(792, 576);
    dialog.show();
    return QApplication::exec();
}
