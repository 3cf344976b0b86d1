// The platform "accessibleoffscreen": Qt's offscreen platform with the
// accessibility of a platform, which AccessibilityEvents switches on. Qt sends
// accessibility events, to a screen reader or to a test, only while the
// platform's accessibility is active, and the offscreen platform has none.

#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QtGui/qpa/qplatformintegrationfactory_p.h>
#include <QtGui/qpa/qplatformintegrationplugin.h>

#include <memory>

namespace {

// Everything but the accessibility is the offscreen platform's.
class AccessibleOffscreen final : public QPlatformIntegration {
public:
    AccessibleOffscreen(const QStringList &parameters, int &argc, char **argv)
        : m_offscreen(QPlatformIntegrationFactory::create(QStringLiteral("offscreen"), parameters,
                                                          argc, argv))
    {
        if (!m_offscreen)
            qFatal("Qt's offscreen platform cannot be loaded");
    }

    QPlatformAccessibility *accessibility() const override { return &m_accessibility; }

    void initialize() override { m_offscreen->initialize(); }
    void destroy() override { m_offscreen->destroy(); }
    bool hasCapability(Capability capability) const override
    {
        return m_offscreen->hasCapability(capability);
    }
    QPlatformPixmap *createPlatformPixmap(QPlatformPixmap::PixelType type) const override
    {
        return m_offscreen->createPlatformPixmap(type);
    }
    QPlatformWindow *createPlatformWindow(QWindow *window) const override
    {
        return m_offscreen->createPlatformWindow(window);
    }
    QPlatformBackingStore *createPlatformBackingStore(QWindow *window) const override
    {
        return m_offscreen->createPlatformBackingStore(window);
    }
    QPlatformOffscreenSurface *
    createPlatformOffscreenSurface(QOffscreenSurface *surface) const override
    {
        return m_offscreen->createPlatformOffscreenSurface(surface);
    }
    QAbstractEventDispatcher *createEventDispatcher() const override
    {
        return m_offscreen->createEventDispatcher();
    }
    QPlatformFontDatabase *fontDatabase() const override { return m_offscreen->fontDatabase(); }
    QPlatformClipboard *clipboard() const override { return m_offscreen->clipboard(); }
    QPlatformDrag *drag() const override { return m_offscreen->drag(); }
    QPlatformInputContext *inputContext() const override { return m_offscreen->inputContext(); }
    QPlatformNativeInterface *nativeInterface() const override
    {
        return m_offscreen->nativeInterface();
    }
    QPlatformServices *services() const override { return m_offscreen->services(); }
    QVariant styleHint(StyleHint hint) const override { return m_offscreen->styleHint(hint); }
    QStringList themeNames() const override { return m_offscreen->themeNames(); }
    QPlatformTheme *createPlatformTheme(const QString &name) const override
    {
        return m_offscreen->createPlatformTheme(name);
    }
    void sync() override { m_offscreen->sync(); }

private:
    const std::unique_ptr<QPlatformIntegration> m_offscreen;
    mutable QPlatformAccessibility m_accessibility;
};

} // namespace

class AccessibleOffscreenPlugin final : public QPlatformIntegrationPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QPlatformIntegrationFactoryInterface_iid FILE "AccessibleOffscreen.json")
public:
    QPlatformIntegration *create(const QString &, const QStringList &parameters, int &argc,
                                 char **argv) override
    {
        return new AccessibleOffscreen(parameters, argc, argv);
    }
};

#include "AccessibleOffscreen.moc"
