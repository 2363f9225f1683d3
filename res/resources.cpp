#include "res/resources.h"

#include <QBitmap>
#include <QImageReader>

// Outside any namespace: the resource initialiser is declared where this is expanded.
static bool RegisterResources() {
    Q_INIT_RESOURCE(rollcalc);
    return true;
}

static void InitResources() {
    static const bool done = RegisterResources();
    (void)done;
}

QIcon LoadAppIcon(int id) {
    InitResources();
    QIcon icon;
    if (id == IDR_MAINFRAME) {
        icon.addPixmap(LoadAppIconImage(id, 16));
        icon.addPixmap(LoadAppIconImage(id, 32));
        icon.addFile(":/res/icon128@2x.png");
        icon.addFile(":/res/icon128_256.png");
    }
    return icon;
}

QPixmap LoadAppIconImage(int id, int size, qreal devicePixelRatio) {
    InitResources();
    if (id != IDR_MAINFRAME) {
        return {};
    }
    if (devicePixelRatio > 1.5) {
        // Twice the pixels from the same artwork: the 32-pixel image stands in for 16, the
        // 64-pixel one for 32.
        QPixmap sharp = size == 16 ? LoadAppIconImage(id, 32) : QPixmap(":/res/icon128@2x.png");
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    QImageReader reader(":/res/icon128.ico");
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        QImage image = reader.read();
        if (image.width() == size) {
            return QPixmap::fromImage(image);
        }
    }
    return {};
}

QPixmap LoadAppBitmap(int id, qreal devicePixelRatio) {
    InitResources();
    if (id != IDB_BANNER) {
        return {};
    }
    if (devicePixelRatio > 1.5) {
        QPixmap sharp(":/res/banner133@2x.bmp");
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            return sharp;
        }
    }
    return QPixmap(":/res/banner133.bmp");
}

QCursor LoadAppCursor(int id) {
    InitResources();
    if (id != IDC_LINK_HAND) {
        return QCursor(Qt::ArrowCursor);
    }
    QBitmap bitmap(":/res/cursor130.xbm");
    QBitmap mask(":/res/cursor130_mask.xbm");
    if (bitmap.isNull() || mask.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    // Hot spot at the top-left corner: the tip of the finger.
    return QCursor(bitmap, mask, 0, 0);
}

QString LoadAppString(int id) {
    if (id == IDS_ABOUTBOX) {
        return QStringLiteral("&About velmarch...");
    }
    return {};
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
