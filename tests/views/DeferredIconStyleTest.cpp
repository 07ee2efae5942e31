// The application style defers the overflow buttons' icons until they are needed.

#include "DeferredIconStyle.h"

#include <QIcon>
#include <QStyleFactory>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Fusion, counting the icons asked of it.
class CountingStyle : public QProxyStyle {
  public:
    CountingStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                       const QWidget* widget) const override {
        ++intAsked;
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }

    mutable int intAsked = 0;
};

TEST(DeferredIconStyleTest, OverflowIconsAreReadOnceWhenFirstNeededAndLookTheSame) {
    auto* counting = new CountingStyle;
    DeferredIconStyle style(counting);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    for (const QStyle::StandardPixmap overflow :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        counting->intAsked = 0;
        const QIcon icon = style.standardIcon(overflow);
        EXPECT_EQ(counting->intAsked, 0) << overflow;
        const QIcon expected = fusion->standardIcon(overflow);
        EXPECT_FALSE(icon.isNull());
        EXPECT_EQ(icon.availableSizes(), expected.availableSizes());
        for (const int side : {12, 16, 32}) {
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const QSize size(side, side);
                EXPECT_EQ(icon.actualSize(size, mode), expected.actualSize(size, mode));
                EXPECT_EQ(icon.pixmap(size, mode).toImage(), expected.pixmap(size, mode).toImage())
                    << overflow << " " << side << " " << mode;
                // On a HiDPI screen QIcon asks the engine in device pixels.
                const QPixmap hiDpi = icon.pixmap(size, 2.0, mode);
                const QPixmap expectedHiDpi = expected.pixmap(size, 2.0, mode);
                EXPECT_EQ(hiDpi.toImage(), expectedHiDpi.toImage());
                EXPECT_EQ(hiDpi.devicePixelRatio(), expectedHiDpi.devicePixelRatio());
            }
        }
        EXPECT_EQ(counting->intAsked, 1) << overflow;
    }
    // Every other icon comes from the base style at once.
    counting->intAsked = 0;
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    EXPECT_EQ(counting->intAsked, 1);
}

} // namespace
