// Renders the program's SVG icon into the PNG sizes of the hicolor icon theme.
// Usage: quintaro-icon-render ICON.svg FOLDER SIZE...  writes FOLDER/SIZExSIZE/quintaro.png.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    // The renderer needs a GUI application, but nothing is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: quintaro-icon-render ICON.svg FOLDER SIZE...\n");
        return 1;
    }
    QSvgRenderer renderer(arguments[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "quintaro-icon-render: cannot read %s\n", qPrintable(arguments[1]));
        return 1;
    }
    for (const QString& sizeText : arguments.mid(3)) {
        const int size = sizeText.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "quintaro-icon-render: bad size %s\n", qPrintable(sizeText));
            return 1;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2").arg(arguments[2]).arg(size);
        const QString file = folder + QStringLiteral("/quintaro.png");
        if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
            std::fprintf(stderr, "quintaro-icon-render: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
