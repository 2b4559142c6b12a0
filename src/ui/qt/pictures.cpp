#include "ui/qt/pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "ui/pictures.h"
#include "ui/qt/qt_text.h"

namespace brivan::ui {

namespace {

// The screens' pictures in the order the screens need them: the terms screen's first. The others
// wait until the terms screen is up, so as not to compete with it for the processor.
std::vector<const PictureFile*> screenPictures() {
    std::vector<const PictureFile*> pictures;
    for (const PictureFile& file : pictureFiles())
        if (file.use != PictureUse::WindowIcon) pictures.push_back(&file);
    return pictures;
}

// Above one device pixel to the point, the 2x renderings: drawn smaller at 125 to 175 %, they stay
// sharper than the ordinary ones drawn larger. Asked on the main thread.
bool wantsHiDpi() { return qApp->devicePixelRatio() > 1.0; }

struct Decoded {
    QImage image;
    qreal ratio = 1.0;
};

// NAME is the picture's name in the layout tables; it is compiled in under the same name, beside
// its rendering at twice the size.
Decoded decode(std::string_view name, bool hiDpi) {
    const PictureFile* file = pictureFile(name);
    if (hiDpi && file) {
        QImage image = QImageReader(QStringLiteral(":/") + qs(file->twice)).read();
        if (!image.isNull()) return {std::move(image), 2.0};
    }
    return {QImageReader(QStringLiteral(":/") + qs(name)).read(), 1.0};
}

class Store {
public:
    void preload() {
        std::lock_guard lock(mutex_);
        if (worker_.joinable() || !pixmaps_.isEmpty()) return;
        const bool hiDpi = wantsHiDpi();
#if defined(Q_OS_WIN)
        // The image-format plugins are looked up here, not by the reader: listing their folder
        // matches file names with a regular expression, which leaves Qt a thread-local object on
        // the matching thread, and with MinGW's thread-local storage its destructor reads freed
        // memory when that thread ends (seen as a crash under Wine once the reader was done).
        QImageReader::supportedImageFormats();
#endif
        const std::vector<const PictureFile*> all = screenPictures();
        std::vector<std::promise<Decoded>> promises(all.size());
        for (size_t i = 0; i < all.size(); ++i) pending_.insert(qs(all[i]->name), promises[i].get_future().share());
        worker_ = std::thread([all, promises = std::move(promises), hiDpi, rest = rest_.get_future()]() mutable {
            for (size_t i = 0; i < promises.size(); ++i) {
                if (all[i]->use != PictureUse::TermsScreen) rest.wait();
                promises[i].set_value(decode(all[i]->name, hiDpi));
            }
        });
        clearWithTheApplication();
    }

    // Lets the reader go on to the pictures of the other screens.
    void releaseRest() {
        std::call_once(released_, [this] { rest_.set_value(); });
    }

    QPixmap get(std::string_view name) {
        const QString path = qs(name);
        std::shared_future<Decoded> future;
        {
            std::lock_guard lock(mutex_);
            if (auto it = pixmaps_.constFind(path); it != pixmaps_.cend()) return *it;
            future = pending_.take(path);
        }
        if (future.valid() && future.wait_for(std::chrono::seconds(0)) != std::future_status::ready) releaseRest();
        Decoded decoded = future.valid() ? future.get() : decode(name, wantsHiDpi());
        QPixmap pixmap = QPixmap::fromImage(std::move(decoded.image));
        pixmap.setDevicePixelRatio(decoded.ratio);
        std::lock_guard lock(mutex_);
        pixmaps_.insert(path, pixmap);
        clearWithTheApplication();
        return pixmap;
    }

    static Store& instance() {
        static Store store;
        return store;
    }

    ~Store() { clear(); }

private:
    // Pixmaps belong to the application: they go with it, once the reader has finished.
    void clearWithTheApplication() {
        static std::once_flag once;
        std::call_once(once, [] { qAddPostRoutine([] { instance().clear(); }); });
    }

    void clear() {
        releaseRest();
        if (worker_.joinable()) worker_.join();
        std::lock_guard lock(mutex_);
        pixmaps_.clear();
        pending_.clear();
    }

    std::mutex mutex_;
    std::promise<void> rest_;
    std::once_flag released_;
    std::thread worker_;
    QHash<QString, std::shared_future<Decoded>> pending_;
    QHash<QString, QPixmap> pixmaps_;
};

}  // namespace

void preloadPictures() { Store::instance().preload(); }

void firstScreenShown() { Store::instance().releaseRest(); }

QPixmap picture(std::string_view name) { return Store::instance().get(name); }

}  // namespace brivan::ui
