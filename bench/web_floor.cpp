// The floor of the browser benchmark: the least a Qt Widgets page can be, built with the same Qt
// for WebAssembly and the same compiled-in fonts as the program: one dialog, one label, one button.
#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    for (const char* file : {":/liberation/LiberationSans-Regular.ttf", ":/liberation/LiberationSans-Bold.ttf",
                             ":/liberation/LiberationSerif-Regular.ttf", ":/liberation/LiberationSerif-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(file));
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("floor"));
    dialog.setFixedSize(792, 576);
    dialog.setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QLabel label(QStringLiteral("The floor of the benchmark"), &dialog);
    label.setFont(QFont(QStringLiteral("Liberation Serif"), 12, QFont::Bold));
    label.setGeometry(200, 200, 400, 30);
    QPushButton button(QStringLiteral("I Agree"), &dialog);
    button.setGeometry(296, 304, 89, 33);
    dialog.show();
    return QApplication::exec();
}
