// Draws the program's pictures (banner, navigation buttons, desktop icons, splash) into
// resources/images. Run by hand after changing a picture: mq_makeart <resources/images>.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <functional>

namespace {

const QString kFont = QStringLiteral("WenQuanYi Micro Hei");
QString g_out;

QFont font(int pixelSize, bool bold = false)
{
    QFont f(kFont);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void save(const QImage& image, const QString& name)
{
    const QString path = g_out + u'/' + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path)) QTextStream(stderr) << "cannot write " << path << Qt::endl;
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// ---- icons ---------------------------------------------------------------------------------

struct Palette {
    QColor top, bottom;
};
const Palette kSales{QColor(0x4f, 0x9d, 0xf0), QColor(0x1e, 0x5f, 0xc0)};
const Palette kFinance{QColor(0x3c, 0xc4, 0x8a), QColor(0x13, 0x8a, 0x5a)};
const Palette kReport{QColor(0xff, 0xae, 0x4a), QColor(0xe0, 0x6a, 0x10)};
const Palette kMaster{QColor(0x9b, 0x7b, 0xe8), QColor(0x5d, 0x3f, 0xb8)};
const Palette kSystem{QColor(0x5e, 0x7b, 0x96), QColor(0x2f, 0x47, 0x5e)};

using Glyph = std::function<void(QPainter&)>;

void tile(QPainter& p, const Palette& pal)
{
    const QRectF r(3, 3, 42, 42);
    // soft shadow
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(r.translated(0, 1.5), 10, 10);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, pal.top);
    g.setColorAt(1, pal.bottom);
    p.setBrush(g);
    p.drawRoundedRect(r, 10, 10);
    // gloss
    QLinearGradient gloss(r.topLeft(), QPointF(r.left(), r.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() / 2), 10, 10);
}

QPen whitePen(double w = 2.4) { return QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void sheet(QPainter& p, const QRectF& r, int lines = 3)
{
    QPainterPath path;
    const double fold = 6;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.setBrush(QColor(0, 0, 0, 50));
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.drawPath(corner);
    p.setPen(QPen(QColor(0x60, 0x70, 0x80), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < lines; ++i) {
        const double y = r.top() + 9 + i * 5;
        p.drawLine(QPointF(r.left() + 4, y), QPointF(r.right() - 4 - (i == lines - 1 ? 5 : 0), y));
    }
}

void badge(QPainter& p, const QPointF& c, const QColor& color, const std::function<void(QPainter&)>& mark)
{
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(color);
    p.drawEllipse(c, 7.5, 7.5);
    p.save();
    p.translate(c);
    mark(p);
    p.restore();
}

void yuan(QPainter& p, const QPointF& c, double s, const QColor& color)
{
    p.setPen(QPen(color, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(c.x() - s, c.y() - s * 1.2), QPointF(c.x(), c.y()));
    p.drawLine(QPointF(c.x() + s, c.y() - s * 1.2), QPointF(c.x(), c.y()));
    p.drawLine(QPointF(c.x(), c.y()), QPointF(c.x(), c.y() + s * 1.3));
    p.drawLine(QPointF(c.x() - s * 0.8, c.y() + 0.1), QPointF(c.x() + s * 0.8, c.y() + 0.1));
    p.drawLine(QPointF(c.x() - s * 0.8, c.y() + s * 0.65), QPointF(c.x() + s * 0.8, c.y() + s * 0.65));
}

void person(QPainter& p, const QPointF& head, double scale, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(head, 5.2 * scale, 5.2 * scale);
    QPainterPath body;
    const double w = 10 * scale, top = head.y() + 6.5 * scale, h = 10 * scale;
    body.moveTo(head.x() - w, top + h);
    body.cubicTo(head.x() - w, top, head.x() + w, top, head.x() + w, top + h);
    body.closeSubpath();
    p.drawPath(body);
}

void barChart(QPainter& p, const QRectF& r, const QColor& color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    const double heights[] = {0.45, 0.75, 0.6, 1.0};
    const double bw = r.width() / 4 - 2;
    for (int i = 0; i < 4; ++i) {
        const double h = r.height() * heights[i];
        p.drawRoundedRect(QRectF(r.left() + i * (bw + 2.6), r.bottom() - h, bw, h), 1.2, 1.2);
    }
}

void grid(QPainter& p, const QRectF& r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.2));
    for (int i = 1; i < 4; ++i) p.drawLine(QPointF(r.left(), r.top() + i * r.height() / 4), QPointF(r.right(), r.top() + i * r.height() / 4));
    p.drawLine(QPointF(r.left() + r.width() / 3, r.top()), QPointF(r.left() + r.width() / 3, r.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd8, 0xa8));
    p.drawRect(QRectF(r.left(), r.top(), r.width(), r.height() / 4));
}

QImage icon(const Palette& pal, const Glyph& glyph)
{
    QImage image = canvas(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    tile(p, pal);
    glyph(p);
    return image;
}

void makeIcons()
{
    const QColor blue(0x1e, 0x5f, 0xc0), green(0x13, 0x8a, 0x5a), orange(0xe0, 0x6a, 0x10), violet(0x5d, 0x3f, 0xb8);
    const QColor red(0xe5, 0x4b, 0x4b);
    struct Item {
        const char* name;
        Palette pal;
        Glyph glyph;
    };
    const QList<Item> items{
        {"quot", kSales, [&](QPainter& p) {
             sheet(p, QRectF(12, 9, 22, 29));
             badge(p, QPointF(33, 33), QColor(0xff, 0xa2, 0x2b), [](QPainter& q) { yuan(q, QPointF(0, -0.5), 2.6, Qt::white); });
         }},
        {"order", kSales, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(13, 11, 22, 27), 2.5, 2.5);
             p.setBrush(QColor(0xbf, 0xd7, 0xf5));
             p.drawRoundedRect(QRectF(19, 8, 10, 6), 2, 2);
             p.setPen(QPen(blue, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             for (int i = 0; i < 3; ++i) {
                 const double y = 19 + i * 6;
                 p.drawPolyline(QPolygonF({QPointF(16.5, y), QPointF(18.3, y + 1.8), QPointF(21.5, y - 1.6)}));
                 p.drawLine(QPointF(24, y), QPointF(31.5, y));
             }
         }},
        {"send", kSales, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(8, 15, 20, 15), 1.5, 1.5);
             QPainterPath cab;
             cab.moveTo(29, 19);
             cab.lineTo(35, 19);
             cab.lineTo(40, 24.5);
             cab.lineTo(40, 30);
             cab.lineTo(29, 30);
             cab.closeSubpath();
             p.drawPath(cab);
             p.setBrush(QColor(0xbf, 0xd7, 0xf5));
             p.drawRect(QRectF(31, 21, 4.5, 4));
             p.setBrush(QColor(0x16, 0x3d, 0x7a));
             p.setPen(QPen(Qt::white, 1.8));
             p.drawEllipse(QPointF(15, 32), 3.6, 3.6);
             p.drawEllipse(QPointF(34, 32), 3.6, 3.6);
         }},
        {"invoice", kSales, [&](QPainter& p) {
             sheet(p, QRectF(12, 9, 24, 30), 2);
             p.setPen(QPen(red, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(24, 29), 6, 6);
             p.setFont(font(7, true));
             p.drawText(QRectF(18, 23, 12, 12), Qt::AlignCenter, QStringLiteral("票"));
         }},
        {"receipt", kFinance, [&](QPainter& p) {
             p.setPen(QPen(QColor(0xb0, 0x7a, 0x00), 1.2));
             for (int i = 0; i < 3; ++i) {
                 p.setBrush(QColor(0xff, 0xd5, 0x4a));
                 p.drawEllipse(QRectF(10, 28 - i * 4.2, 20, 8));
             }
             p.setBrush(QColor(0xff, 0xe0, 0x6e));
             p.drawEllipse(QPointF(31, 21), 9.5, 9.5);
             yuan(p, QPointF(31, 20.5), 3.2, QColor(0xa0, 0x6a, 0x00));
         }},
        {"shldin", kFinance, [&](QPainter& p) {
             sheet(p, QRectF(12, 9, 22, 29));
             badge(p, QPointF(33, 33), QColor(0x0e, 0x9f, 0x6e), [](QPainter& q) {
                 q.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
                 q.drawLine(QPointF(-3.5, 0), QPointF(3.5, 0));
                 q.drawLine(QPointF(0, -3.5), QPointF(0, 3.5));
             });
         }},
        {"outlay", kFinance, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0xa8, 0x6b, 0x2d));
             p.drawRoundedRect(QRectF(9, 15, 30, 21), 4, 4);
             p.setBrush(QColor(0xc9, 0x8a, 0x45));
             p.drawRoundedRect(QRectF(9, 15, 30, 7), 3, 3);
             p.setBrush(QColor(0x8a, 0x55, 0x20));
             p.drawRoundedRect(QRectF(27, 22, 14, 9), 3, 3);
             p.setBrush(QColor(0xff, 0xd5, 0x4a));
             p.drawEllipse(QPointF(32, 26.5), 2.2, 2.2);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(14, 10, 15, 6));
         }},
        {"quot_report", kReport, [&](QPainter& p) {
             grid(p, QRectF(10, 11, 28, 24));
             badge(p, QPointF(35, 34), QColor(0x1e, 0x5f, 0xc0), [](QPainter& q) { yuan(q, QPointF(0, -0.5), 2.6, Qt::white); });
         }},
        {"order_report", kReport, [&](QPainter& p) {
             grid(p, QRectF(10, 11, 28, 26));
         }},
        {"order_sum", kReport, [&](QPainter& p) {
             grid(p, QRectF(8, 10, 24, 22));
             badge(p, QPointF(34, 33), QColor(0x1e, 0x5f, 0xc0), [](QPainter& q) {
                 q.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                 q.drawPolyline(QPolygonF({QPointF(3, -3.5), QPointF(-3, -3.5), QPointF(0.5, 0), QPointF(-3, 3.5), QPointF(3, 3.5)}));
             });
         }},
        {"sale_report", kReport, [&](QPainter& p) {
             grid(p, QRectF(8, 10, 26, 24));
             badge(p, QPointF(35, 34), QColor(0x1e, 0x5f, 0xc0), [](QPainter& q) {
                 q.setPen(Qt::NoPen);
                 q.setBrush(Qt::white);
                 q.drawRect(QRectF(-4.5, -2.5, 5.5, 4.5));
                 q.drawRect(QRectF(1.5, -1, 3, 3));
             });
         }},
        {"sale_sum", kReport, [&](QPainter& p) {
             p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(10, 37), QPointF(39, 37));
             barChart(p, QRectF(12, 12, 26, 23), Qt::white);
         }},
        {"shldin_list", kReport, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawPie(QRectF(10, 10, 28, 28), 90 * 16, 250 * 16);
             p.setBrush(QColor(0x1e, 0x9f, 0x6e));
             p.drawPie(QRectF(12.5, 8, 28, 28), 340 * 16, 110 * 16);
         }},
        {"shldin_book", kReport, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0xff, 0xf3, 0xe0));
             p.drawRoundedRect(QRectF(12, 9, 25, 30), 2.5, 2.5);
             p.setBrush(QColor(0x9a, 0x3c, 0x00));
             p.drawRoundedRect(QRectF(10, 9, 6, 30), 2.5, 2.5);
             p.setPen(QPen(QColor(0x9a, 0x6a, 0x40), 1.5, Qt::SolidLine, Qt::RoundCap));
             for (int i = 0; i < 4; ++i) p.drawLine(QPointF(20, 16 + i * 5.5), QPointF(33, 16 + i * 5.5));
         }},
        {"outlay_find", kReport, [&](QPainter& p) {
             sheet(p, QRectF(10, 9, 21, 27));
             p.setPen(QPen(QColor(0x2f, 0x47, 0x5e), 3.2, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(33, 33), QPointF(39, 39));
             p.setPen(QPen(QColor(0x2f, 0x47, 0x5e), 2.4));
             p.setBrush(QColor(0xdf, 0xf0, 0xff, 220));
             p.drawEllipse(QPointF(29, 29), 6.5, 6.5);
         }},
        {"plan", kSales, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(10, 12, 28, 26), 3, 3);
             p.setBrush(red);
             p.drawRoundedRect(QRectF(10, 12, 28, 8), 3, 3);
             p.setBrush(QColor(0x9a, 0xa8, 0xb8));
             for (int r = 0; r < 2; ++r)
                 for (int c = 0; c < 4; ++c) p.drawRect(QRectF(13.5 + c * 6, 23 + r * 6.5, 4, 4));
         }},
        {"plan_report", kReport, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(10, 12, 28, 26), 3, 3);
             barChart(p, QRectF(14, 18, 20, 16), QColor(0xe0, 0x6a, 0x10));
         }},
        {"client", kMaster, [&](QPainter& p) {
             person(p, QPointF(30, 17), 0.85, QColor(0xd9, 0xcf, 0xf7));
             person(p, QPointF(20, 19), 1.0, Qt::white);
         }},
        {"ware", kMaster, [&](QPainter& p) {
             QPainterPath top, left, right;
             top.moveTo(24, 9); top.lineTo(38, 16); top.lineTo(24, 23); top.lineTo(10, 16); top.closeSubpath();
             left.moveTo(10, 16); left.lineTo(24, 23); left.lineTo(24, 39); left.lineTo(10, 32); left.closeSubpath();
             right.moveTo(38, 16); right.lineTo(24, 23); right.lineTo(24, 39); right.lineTo(38, 32); right.closeSubpath();
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0xf6, 0xd9, 0xa6)); p.drawPath(top);
             p.setBrush(QColor(0xe2, 0xb0, 0x6a)); p.drawPath(left);
             p.setBrush(QColor(0xc9, 0x8f, 0x45)); p.drawPath(right);
             p.setPen(QPen(QColor(0xb0, 0x7a, 0x30), 1.4));
             p.drawLine(QPointF(17, 12.5), QPointF(31, 19.5));
         }},
        {"employee", kMaster, [&](QPainter& p) {
             person(p, QPointF(24, 17), 1.05, Qt::white);
             QPainterPath tie;
             tie.moveTo(24, 25.5); tie.lineTo(26, 28); tie.lineTo(24.8, 35); tie.lineTo(24, 36);
             tie.lineTo(23.2, 35); tie.lineTo(22, 28); tie.closeSubpath();
             p.setBrush(QColor(0x5d, 0x3f, 0xb8));
             p.drawPath(tie);
         }},
        {"house", kMaster, [&](QPainter& p) {
             QPainterPath roof;
             roof.moveTo(8, 21); roof.lineTo(24, 10); roof.lineTo(40, 21); roof.closeSubpath();
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(0xff, 0xd0, 0x8a));
             p.drawPath(roof);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(11, 21, 26, 17));
             p.setBrush(violet);
             p.drawRect(QRectF(17, 26, 14, 12));
             p.setPen(QPen(QColor(0xd9, 0xcf, 0xf7), 1.2));
             for (int i = 0; i < 3; ++i) p.drawLine(QPointF(17, 29 + i * 3), QPointF(31, 29 + i * 3));
         }},
        {"bank", kMaster, [&](QPainter& p) {
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRoundedRect(QRectF(8, 14, 32, 21), 3.5, 3.5);
             p.setBrush(QColor(0x3a, 0x2a, 0x80));
             p.drawRect(QRectF(8, 18.5, 32, 4.5));
             p.setBrush(QColor(0xff, 0xc9, 0x4a));
             p.drawRoundedRect(QRectF(12, 26, 7, 5), 1, 1);
             p.setBrush(QColor(0x9a, 0xa8, 0xb8));
             p.drawRect(QRectF(23, 28, 12, 2));
         }},
        {"operator", kSystem, [&](QPainter& p) {
             person(p, QPointF(21, 17), 1.0, Qt::white);
             p.setPen(QPen(QColor(0xff, 0xc9, 0x4a), 2.2, Qt::SolidLine, Qt::RoundCap));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(34, 30), 3.5, 3.5);
             p.drawLine(QPointF(34, 33.5), QPointF(34, 40));
             p.drawLine(QPointF(34, 37.5), QPointF(37, 37.5));
         }},
    };
    for (const Item& item : items) save(icon(item.pal, item.glyph), QStringLiteral("icons/%1.png").arg(QLatin1String(item.name)));
}

// ---- the emblem and banner ----------------------------------------------------------------

// The maker's emblem: a stylised river (川) on a disc.
void emblem(QPainter& p, const QRectF& r)
{
    QRadialGradient g(r.center() - QPointF(r.width() * 0.2, r.height() * 0.25), r.width() * 0.8);
    g.setColorAt(0, QColor(0xff, 0xd8, 0x6a));
    g.setColorAt(1, QColor(0xf0, 0x8c, 0x1a));
    p.setPen(QPen(QColor(255, 255, 255, 230), r.width() * 0.05));
    p.setBrush(g);
    p.drawEllipse(r);
    p.setPen(QPen(Qt::white, r.width() * 0.085, Qt::SolidLine, Qt::RoundCap));
    const double x0 = r.left() + r.width() * 0.3, dx = r.width() * 0.2;
    for (int i = 0; i < 3; ++i) {
        QPainterPath stroke;
        const double x = x0 + i * dx;
        const double top = r.top() + r.height() * (i == 0 ? 0.32 : 0.27);
        const double bottom = r.top() + r.height() * (i == 0 ? 0.76 : 0.72);
        stroke.moveTo(x, top);
        if (i == 0)
            stroke.cubicTo(x, top + r.height() * 0.25, x - r.width() * 0.02, bottom - r.height() * 0.05, x - r.width() * 0.1, bottom);
        else
            stroke.lineTo(x, bottom - (i == 1 ? r.height() * 0.08 : 0));
        p.drawPath(stroke);
    }
}

void makeBanner()
{
    // banner background
    {
        QImage img(1920, 72, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 1920, 0);
        g.setColorAt(0, QColor(0x12, 0x3a, 0x7a));
        g.setColorAt(0.55, QColor(0x1f, 0x5f, 0xb5));
        g.setColorAt(1, QColor(0x2b, 0x7b, 0xd0));
        p.fillRect(img.rect(), g);
        // light waves
        for (int i = 0; i < 4; ++i) {
            QPainterPath wave;
            const double y = 40 + i * 9;
            wave.moveTo(0, y);
            for (int x = 0; x <= 1920; x += 240)
                wave.quadTo(x + 120, y + (i % 2 ? -14 : 14), x + 240, y);
            p.setPen(QPen(QColor(255, 255, 255, 16 + i * 4), 1.5));
            p.drawPath(wave);
        }
        QLinearGradient shine(0, 0, 0, 72);
        shine.setColorAt(0, QColor(255, 255, 255, 36));
        shine.setColorAt(0.5, QColor(255, 255, 255, 0));
        p.fillRect(img.rect(), shine);
        save(img, QStringLiteral("top.png"));
    }
    // logo
    {
        QImage img = canvas(52, 52);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        emblem(p, QRectF(3, 3, 46, 46));
        save(img, QStringLiteral("logo.png"));
    }
    // title
    {
        QImage img = canvas(330, 52);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont f = font(30, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 2);
        p.setFont(f);
        p.setPen(QColor(0, 0, 0, 70));
        p.drawText(QRectF(2, 2, 330, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("恒川销售管理系统"));
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 330, 38), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("恒川销售管理系统"));
        QFont small = font(10);
        small.setLetterSpacing(QFont::AbsoluteSpacing, 3.2);
        p.setFont(small);
        p.setPen(QColor(0xcf, 0xe2, 0xff));
        p.drawText(QRectF(2, 36, 330, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HENGCHUAN SALES MANAGEMENT"));
        save(img, QStringLiteral("title.png"));
    }
    // navigation bar
    {
        QImage img(1920, 40, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, 40);
        g.setColorAt(0, QColor(0xf4, 0xf8, 0xfd));
        g.setColorAt(1, QColor(0xd8, 0xe5, 0xf4));
        p.fillRect(img.rect(), g);
        p.setPen(QColor(0xb4, 0xc8, 0xe0));
        p.drawLine(0, 39, 1920, 39);
        p.setPen(QColor(255, 255, 255));
        p.drawLine(0, 0, 1920, 0);
        save(img, QStringLiteral("nav.png"));
    }
    // bottom strip
    {
        QImage img(1920, 26, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        QLinearGradient g(0, 0, 0, 26);
        g.setColorAt(0, QColor(0xe9, 0xef, 0xf6));
        g.setColorAt(1, QColor(0xd6, 0xe0, 0xec));
        p.fillRect(img.rect(), g);
        p.setPen(QColor(0xb4, 0xc8, 0xe0));
        p.drawLine(0, 0, 1920, 0);
        save(img, QStringLiteral("bottom.png"));
    }
}

// A navigation button: icon and caption; the highlighted picture sits on a raised tab.
QImage navButton(const QString& caption, const std::function<void(QPainter&, const QRectF&, bool)>& glyph, bool hot)
{
    QImage img = canvas(104, 36);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r(2, 4, 100, 30);
    if (hot) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, QColor(0xff, 0xff, 0xff));
        g.setColorAt(1, QColor(0xe4, 0xee, 0xfb));
        p.setPen(QPen(QColor(0x8d, 0xb3, 0xe2), 1));
        p.setBrush(g);
        p.drawRoundedRect(r, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf0, 0x8c, 0x1a));
        p.drawRoundedRect(QRectF(r.left() + 14, r.bottom() - 2.5, r.width() - 28, 2.5), 1.2, 1.2);
    }
    glyph(p, QRectF(r.left() + 10, r.top() + 6, 18, 18), hot);
    p.setFont(font(14, true));
    p.setPen(hot ? QColor(0x12, 0x3a, 0x7a) : QColor(0x2f, 0x47, 0x5e));
    p.drawText(QRectF(r.left() + 34, r.top(), r.width() - 38, r.height()), Qt::AlignLeft | Qt::AlignVCenter, caption);
    return img;
}

void makeNavButtons()
{
    auto sales = [](QPainter& p, const QRectF& r, bool hot) {
        p.setPen(Qt::NoPen);
        p.setBrush(hot ? QColor(0x1e, 0x5f, 0xc0) : QColor(0x4a, 0x6a, 0x8a));
        QPainterPath bag;
        bag.addRoundedRect(QRectF(r.left() + 1, r.top() + 5, r.width() - 2, r.height() - 5), 2.5, 2.5);
        p.drawPath(bag);
        p.setPen(QPen(p.brush().color(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(r.left() + 5, r.top() + 0.5, r.width() - 10, 10), 0, 180 * 16);
        yuan(p, QPointF(r.center().x(), r.center().y() + 2.5), 2.6, Qt::white);
    };
    auto finance = [](QPainter& p, const QRectF& r, bool hot) {
        p.setPen(QPen(hot ? QColor(0xa0, 0x6a, 0x00) : QColor(0x6a, 0x5a, 0x3a), 1));
        p.setBrush(hot ? QColor(0xff, 0xd5, 0x4a) : QColor(0xe8, 0xd2, 0x8a));
        p.drawEllipse(r.adjusted(1, 1, -1, -1));
        yuan(p, r.center() - QPointF(0, 0.5), 3.0, hot ? QColor(0xa0, 0x6a, 0x00) : QColor(0x6a, 0x5a, 0x3a));
    };
    auto exitGlyph = [](QPainter& p, const QRectF& r, bool hot) {
        const QColor c = hot ? QColor(0xd9, 0x3a, 0x3a) : QColor(0x4a, 0x6a, 0x8a);
        p.setPen(QPen(c, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(r.adjusted(2, 2, -2, -2), 120 * 16, 300 * 16);
        p.drawLine(QPointF(r.center().x(), r.top() + 0.5), QPointF(r.center().x(), r.center().y()));
    };
    save(navButton(QStringLiteral("销售"), sales, false), QStringLiteral("Z2005A.png"));
    save(navButton(QStringLiteral("销售"), sales, true), QStringLiteral("Z2005B.png"));
    save(navButton(QStringLiteral("财务"), finance, false), QStringLiteral("Z2006A.png"));
    save(navButton(QStringLiteral("财务"), finance, true), QStringLiteral("Z2006B.png"));
    save(navButton(QStringLiteral("退出"), exitGlyph, false), QStringLiteral("Z1001A.png"));
    save(navButton(QStringLiteral("退出"), exitGlyph, true), QStringLiteral("Z1001B.png"));
}

// A wide picture with the emblem, the product name and a line of text.
QImage brandPicture(int w, int h, int titleSize, const QString& subtitle)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, w, h);
    g.setColorAt(0, QColor(0x12, 0x3a, 0x7a));
    g.setColorAt(1, QColor(0x2b, 0x7b, 0xd0));
    p.fillRect(img.rect(), g);
    for (int i = 0; i < 6; ++i) {
        QPainterPath wave;
        const double y = h * 0.55 + i * h * 0.07;
        wave.moveTo(0, y);
        for (int x = 0; x <= w; x += w / 3) wave.quadTo(x + w / 6.0, y + (i % 2 ? -h * 0.12 : h * 0.12), x + w / 3.0, y);
        p.setPen(QPen(QColor(255, 255, 255, 14 + i * 3), 1.4));
        p.drawPath(wave);
    }
    const double e = h * 0.42;
    emblem(p, QRectF(h * 0.16, (h - e) / 2 - h * 0.05, e, e));
    QFont f = font(titleSize, true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(f);
    p.setPen(Qt::white);
    const double tx = h * 0.22 + e;
    p.drawText(QRectF(tx, 0, w - tx, h * 0.58), Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("恒川销售管理系统"));
    p.setFont(font(qMax(11, titleSize / 2 - 2)));
    p.setPen(QColor(0xcf, 0xe2, 0xff));
    p.drawText(QRectF(tx + 2, h * 0.6, w - tx, h * 0.3), Qt::AlignLeft | Qt::AlignTop, subtitle);
    return img;
}

void makeBrandPictures()
{
    save(brandPicture(380, 84, 24, QStringLiteral("报价 · 订单 · 发货 · 收款 · 报表")), QStringLiteral("login.png"));
    QImage splash = brandPicture(520, 260, 34, QStringLiteral("单机版 3.0  ·  面向商贸企业的销售管理"));
    save(splash, QStringLiteral("splash.png"));
    QImage app = canvas(64, 64);
    {
        QPainter p(&app);
        p.setRenderHint(QPainter::Antialiasing);
        emblem(p, QRectF(4, 4, 56, 56));
    }
    save(app, QStringLiteral("icons/app.png"));

    // The desktop's watermark.
    QImage desk = canvas(420, 110);
    {
        QPainter p(&desk);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setOpacity(0.10);
        emblem(p, QRectF(4, 14, 82, 82));
        p.setOpacity(0.13);
        QFont f = font(36, true);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
        p.setFont(f);
        p.setPen(QColor(0x12, 0x3a, 0x7a));
        p.drawText(QRectF(100, 10, 320, 60), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("恒川销售管理系统"));
        QFont small = font(12);
        small.setLetterSpacing(QFont::AbsoluteSpacing, 4.5);
        p.setFont(small);
        p.drawText(QRectF(102, 66, 320, 24), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("HENGCHUAN SALES MANAGEMENT"));
    }
    save(desk, QStringLiteral("desk.png"));
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: mq_makeart <resources/images>" << Qt::endl;
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[1]);
    makeIcons();
    makeBanner();
    makeNavButtons();
    makeBrandPictures();
    return 0;
}
