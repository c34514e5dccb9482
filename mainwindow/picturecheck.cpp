#include "picturecheck.h"

#include "cardpicture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QThread>

#include <algorithm>

namespace corvelle {

namespace {

// A JPEG file ends with the end-of-image marker; a file cut short has lost it. The decoder pads
// a cut file with grey instead of failing, so the marker is looked for here (in the last bytes,
// which may carry a little padding after it).
bool endsWithImageEnd(QFile& file) {
    constexpr qint64 tail = 64;
    const qint64 size = file.size();
    if (size < 4 || !file.seek(qMax<qint64>(0, size - tail))) {
        return false;
    }
    return file.readAll().contains(QByteArrayLiteral("\xFF\xD9"));
}

// The picture at `path` decoded to `size`; a null image unless the file is a complete,
// readable JPEG.
QImage decodeJpeg(const QString& path, QSize size) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    if (file.read(3) != QByteArrayLiteral("\xFF\xD8\xFF") || !endsWithImageEnd(file)) {
        return {};
    }
    file.seek(0);
    QImageReader reader(&file, "jpeg");
    const QSize stored = reader.size();
    if (!stored.isValid() || stored.isEmpty()) {
        return {};
    }
    reader.setScaledSize(size);
    return reader.read();
}

} // namespace

CardPictureLoad::CardPictureLoad(QString directory, QSize deviceSize)
    : directory_(std::move(directory)), deviceSize_(deviceSize) {
    const int threads = std::clamp(QThread::idealThreadCount(), 1, 8);
    for (int i = 0; i < threads; ++i) {
        workers_.emplace_back([this] { work(); });
    }
}

CardPictureLoad::~CardPictureLoad() {
    std::unique_lock lock(mutex_);
    std::ranges::fill(states_, State::Taken);
    lock.unlock();
    workers_.clear();
}

void CardPictureLoad::work() {
    while (decodeNextWaiting()) {
    }
}

bool CardPictureLoad::decodeNextWaiting() {
    std::unique_lock lock(mutex_);
    const auto next = std::ranges::find(states_, State::Waiting);
    if (next == states_.end()) {
        return false;
    }
    decode(static_cast<int>(next - states_.begin()), lock);
    return true;
}

void CardPictureLoad::decode(int index, std::unique_lock<std::mutex>& lock) {
    states_[index] = State::Decoding;
    lock.unlock();
    const QString name = QString::number(index + 1) + QStringLiteral(".jpg");
    const QFileInfo info(QDir(directory_).filePath(name));
    QImage image;
    QString problem;
    if (!info.exists()) {
        problem = name + QStringLiteral(" (missing)");
    } else if (!info.isFile() || (image = decodeJpeg(info.filePath(), deviceSize_)).isNull()) {
        problem = name + QStringLiteral(" (damaged)");
    }
    image = cutCardCorners(std::move(image));
    lock.lock();
    if (states_[index] == State::Decoding) {
        images_[index] = std::move(image);
        problems_[index] = std::move(problem);
        states_[index] = State::Done;
    }
    decoded_.notify_all();
}

QStringList CardPictureLoad::problems() {
    while (decodeNextWaiting()) {
    }
    std::unique_lock lock(mutex_);
    decoded_.wait(lock, [this] { return std::ranges::count(states_, State::Decoding) == 0; });
    QStringList found;
    for (const QString& problem : problems_) {
        if (!problem.isEmpty()) {
            found << problem;
        }
    }
    lock.unlock();
    workers_.clear();
    return found;
}

QImage CardPictureLoad::take(int number) {
    const int index = number - 1;
    if (index < 0 || index >= CardBackPicture) {
        return {};
    }
    std::unique_lock lock(mutex_);
    if (states_[index] == State::Waiting) {
        decode(index, lock);
    }
    decoded_.wait(lock, [&] { return states_[index] != State::Decoding; });
    if (states_[index] != State::Done) {
        return {};
    }
    states_[index] = State::Taken;
    return std::move(images_[index]);
}

QString cardPictureProblemMessage(const QString& directory, const QStringList& problems) {
    return QStringLiteral("Corvelle cannot start because some of its card pictures are missing "
                          "or damaged.\n\nPicture folder: %1\n\n%2")
        .arg(QDir::toNativeSeparators(QDir(directory).absolutePath()),
             problems.join(QStringLiteral(", ")));
}

} // namespace corvelle
