// The yardstick for start-up: the least a Qt Widgets program shows.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("A minimal window"), &window));
    auto *button = new QPushButton(QStringLiteral("Close"), &window);
    layout->addWidget(button);
    QObject::connect(button, &QPushButton::clicked, &window, &QWidget::close);
    window.show();
    return QApplication::exec();
}
