#include "DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPointer>
#include <QStyleFactory>
#include <QStyleOption>
#include <optional>

namespace {

// An icon that asks the base style for the real one the first time anything about it is wanted,
// and from then on answers as the real one does.
class DeferredIconEngine : public QIconEngine {
  public:
    DeferredIconEngine(QStyle* base, QStyle::StandardPixmap standardIcon,
                       const QStyleOption* option, const QWidget* widget)
        : base(base), standardIcon(standardIcon), widget(widget) {
        if (option != nullptr) {
            this->option = *option;
        }
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        // QIcon hands an engine the size in device pixels; it wants the size in logical ones.
        return icon().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

  private:
    QIcon& icon() {
        if (!loaded) {
            loaded = base.isNull() ? QIcon()
                                   : base->standardIcon(standardIcon, option ? &*option : nullptr,
                                                        widget.data());
        }
        return *loaded;
    }

    QPointer<QStyle> base;
    QStyle::StandardPixmap standardIcon;
    std::optional<QStyleOption> option;
    QPointer<const QWidget> widget;
    std::optional<QIcon> loaded;
};

} // namespace

DeferredIconStyle::DeferredIconStyle()
    : DeferredIconStyle(QStyleFactory::create(QApplication::style()->name())) {}

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (standardIcon == SP_ToolBarHorizontalExtensionButton ||
        standardIcon == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new DeferredIconEngine(baseStyle(), standardIcon, option, widget));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
