#include "platform/resources.h"

#include <QIconEngine>
#include <QList>
#include <optional>

// Outside any namespace: the resource initialiser is declared where this is expanded.
static bool RegisterResources() {
    Q_INIT_RESOURCE(rollcalc);
    return true;
}

static void InitResources() {
    static const bool done = RegisterResources();
    (void)done;
}

namespace {

// The icon theme's picture of the given size; the program carries 16, 32, 64 and 256.
QString IconFile(int size) {
    return QStringLiteral(":/res/hicolor/%1.png").arg(size);
}

QIcon MakeAppIcon() {
    QIcon icon;
    for (int size : {16, 32, 64, 256}) {
        icon.addFile(IconFile(size));
    }
    return icon;
}

// The program's icon is first drawn when a window without an icon of its own appears; reading
// its four pictures then, not at start-up, keeps them off the way to the main window's first
// paint. Each call goes on to the icon as it would have been made at once, so it draws the same.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(QIcon (*make)()) : make_(make) {}

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        // QIcon::paint hands over a rectangle already of the icon's actual size, so centring
        // in it places the picture exactly there.
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // QIcon asks for device pixels at a scale above 1; handed the size in logical pixels,
        // the real icon puts the same question to its own engine.
        if (scale > 1.0) {
            return Icon().pixmap(size / scale, scale, mode, state);
        }
        return pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return pixmap(size, mode, state).size();
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Icon().availableSizes(mode, state);
    }
    void addPixmap(const QPixmap& pixmap, QIcon::Mode mode, QIcon::State state) override {
        Icon().addPixmap(pixmap, mode, state);
    }
    void addFile(const QString& fileName, const QSize& size, QIcon::Mode mode,
                 QIcon::State state) override {
        Icon().addFile(fileName, size, mode, state);
    }

private:
    QIcon& Icon() {
        if (!icon_) {
            icon_ = make_();
        }
        return *icon_;
    }

    QIcon (*make_)();
    std::optional<QIcon> icon_;
};

} // namespace

QIcon LoadAppIcon(int id) {
    InitResources();
    if (id != IDR_MAINFRAME) {
        return {};
    }
    return QIcon(new DeferredIconEngine(MakeAppIcon));
}

QPixmap LoadAppIconImage(int id, int size, qreal devicePixelRatio) {
    InitResources();
    if (id != IDR_MAINFRAME) {
        return {};
    }
    if (devicePixelRatio > 1.5) {
        // Twice the pixels from the same artwork: the 32-pixel image stands in for 16, the
        // 64-pixel one for 32.
        QPixmap sharp(IconFile(2 * size));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(IconFile(size));
}

QPixmap LoadAppBitmap(int id, qreal devicePixelRatio) {
    InitResources();
    if (id != IDB_BANNER) {
        return {};
    }
    if (devicePixelRatio > 1.5) {
        QPixmap sharp(":/res/banner@2x.png");
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(":/res/banner.png");
}

QString DisclaimerText() {
    // One paragraph, upper case, two blanks between sentences.
    return QStringLiteral(
        "THIS SOFTWARE AND ITS ACCOMPANYING DOCUMENTATION ARE PROVIDED BY VELMARCH PRODUCTS LLC "
        "\"AS"
        " IS\", WITHOUT ANY REPRESENTATION OR ASSURANCE OF ANY KIND AS TO THEIR ACCURACY, "
        "COMPLETENESS OR SUITABILITY FOR ANY PARTICULAR WINDING, WEIGHING OR SLITTING OPERATION.  "
        "VELMARCH PRODUCTS LLC EXPRESSLY DISCLAIMS ALL WARRANTIES, WHETHER EXPRESS OR IMPLIED, "
        "INCLUDING BUT NOT LIMITED TO THE IMPLIED WARRANTIES OF MERCHANTABILITY, FITNESS FOR A "
        "PARTICULAR PURPOSE, TITLE AND NON-INFRINGEMENT.  VELMARCH PRODUCTS LLC DOES NOT WARRANT "
        "THAT THE SOFTWARE OR ITS CALCULATIONS WILL BE FREE OF ERRORS, OR THAT THE SOFTWARE WILL "
        "OPERATE WITHOUT INTERRUPTION, AND YOU MUST ALWAYS VERIFY ANY FIGURE BEFORE RELYING ON IT "
        "IN PRODUCTION.  IN NO EVENT SHALL VELMARCH PRODUCTS LLC BE LIABLE FOR ANY DIRECT, "
        "INDIRECT, INCIDENTAL, SPECIAL, EXEMPLARY OR CONSEQUENTIAL DAMAGES OF ANY KIND, HOWEVER "
        "CAUSED AND ON ANY THEORY OF LIABILITY, WHETHER IN CONTRACT, STRICT LIABILITY OR TORT, EVEN"
        " IF ADVISED OF THE POSSIBILITY OF SUCH DAMAGES.  BY INSTALLING OR USING THIS SOFTWARE YOU "
        "AGREE THAT ALL OF YOUR USE OF IT IS SUBJECT TO THE TERMS AND CONDITIONS OF THE LICENSE "
        "AGREEMENT CONTAINED IN THE SOFTWARE.");
}
