// Renders an SVG picture into PNG files of the given sizes. Run at build time:
//
//     render_picture <picture.svg> <width>x<height> <out.png> [<width>x<height> <out.png> ...]
//
// Needs no display: run it with QT_QPA_PLATFORM=offscreen.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "render_picture: %s\n", qPrintable(message));
    return 1;
}

// Whether anything at all was drawn: a picture that Qt could not read renders
// as a transparent image without any error.
bool hasVisiblePixels(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 3 || arguments.size() % 2 != 1)
        return fail(
            QStringLiteral("usage: render_picture <picture.svg> <width>x<height> <out.png> ..."));

    QSvgRenderer renderer(arguments.first());
    if (!renderer.isValid())
        return fail(QStringLiteral("cannot read %1").arg(arguments.first()));

    static const QRegularExpression sizePattern(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        const QRegularExpressionMatch size = sizePattern.match(arguments[i]);
        const int width = size.captured(1).toInt();
        const int height = size.captured(2).toInt();
        if (!size.hasMatch() || width < 1 || height < 1)
            return fail(QStringLiteral("not a usable size: %1").arg(arguments[i]));

        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(0, 0, width, height));
        painter.end();

        if (!hasVisiblePixels(image))
            return fail(QStringLiteral("%1 rendered as an empty picture").arg(arguments.first()));
        const QString &output = arguments[i + 1];
        if (!image.save(output, "PNG"))
            return fail(QStringLiteral("cannot write %1").arg(output));
    }
    return 0;
}
