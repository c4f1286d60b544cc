#include "X11Display.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <algorithm>
#include <vector>

namespace platform {
namespace {

struct CrtcConfig {
    RRCrtc crtc = 0;
    RRMode mode = 0;
    int x = 0;
    int y = 0;
    Rotation rotation = RR_Rotate_0;
    std::vector<RROutput> outputs;
};

struct ScreenConfig {
    int width = 0;
    int height = 0;
    int widthMm = 0;
    int heightMm = 0;
};

// RandR answers a refused request with an X error; Xlib's default handler would end the
// program, so errors are only counted while we talk to RandR.
int errorsSeen = 0;
int CountError(::Display*, XErrorEvent*) {
    ++errorsSeen;
    return 0;
}

// The physical size of `pixels` at the screen's present density, or at 96 dots per inch when the
// screen reports no size (RandR refuses a size of 0 mm).
int Millimetres(int pixels, int screenPixels, int screenMillimetres) {
    if (screenMillimetres <= 0 || screenPixels <= 0) {
        return std::max(1, pixels * 254 / 960);
    }
    return std::max(1, pixels * screenMillimetres / screenPixels);
}

struct ModeEntry {
    RRMode id = 0;
    int width = 0;
    int height = 0;
};

} // namespace

struct X11Display::State {
    ::Display* display = nullptr;
    Window root = 0;
    int depth = 0;
    // The configuration before our first change, put back by Restore.
    bool changed = false;
    CrtcConfig originalCrtc;
    ScreenConfig originalScreen;

    ~State() {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }

    RROutput PrimaryOutput(XRRScreenResources* resources) const {
        const RROutput primary = XRRGetOutputPrimary(display, root);
        if (primary != 0) {
            return primary;
        }
        for (int i = 0; i < resources->noutput; ++i) {
            XRROutputInfo* info = XRRGetOutputInfo(display, resources, resources->outputs[i]);
            const bool usable = info != nullptr && info->connection == RR_Connected && info->crtc;
            if (info != nullptr) {
                XRRFreeOutputInfo(info);
            }
            if (usable) {
                return resources->outputs[i];
            }
        }
        return resources->noutput > 0 ? resources->outputs[0] : 0;
    }

    std::vector<ModeEntry> Modes() const {
        std::vector<ModeEntry> modes;
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
        if (resources == nullptr) {
            return modes;
        }
        if (XRROutputInfo* output =
                XRRGetOutputInfo(display, resources, PrimaryOutput(resources))) {
            for (int i = 0; i < output->nmode; ++i) {
                for (int m = 0; m < resources->nmode; ++m) {
                    if (resources->modes[m].id == output->modes[i]) {
                        modes.push_back({resources->modes[m].id,
                                         static_cast<int>(resources->modes[m].width),
                                         static_cast<int>(resources->modes[m].height)});
                    }
                }
            }
            XRRFreeOutputInfo(output);
        }
        XRRFreeScreenResources(resources);
        return modes;
    }

    // Asks the server: Xlib's own idea of the screen size is not updated by our changes.
    ScreenConfig CurrentScreen() const {
        XWindowAttributes attributes{};
        XGetWindowAttributes(display, root, &attributes);
        const int width = attributes.width;
        const int height = attributes.height;
        const int screen = DefaultScreen(display);
        return {
            width, height,
            Millimetres(width, DisplayWidth(display, screen), DisplayWidthMM(display, screen)),
            Millimetres(height, DisplayHeight(display, screen), DisplayHeightMM(display, screen))};
    }

    std::optional<CrtcConfig> PrimaryCrtc() const {
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
        if (resources == nullptr) {
            return std::nullopt;
        }
        std::optional<CrtcConfig> config;
        XRROutputInfo* output = XRRGetOutputInfo(display, resources, PrimaryOutput(resources));
        if (output != nullptr && output->crtc != 0) {
            if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, output->crtc)) {
                config =
                    CrtcConfig{output->crtc,
                               crtc->mode,
                               crtc->x,
                               crtc->y,
                               crtc->rotation,
                               std::vector<RROutput>(crtc->outputs, crtc->outputs + crtc->noutput)};
                XRRFreeCrtcInfo(crtc);
            }
        }
        if (output != nullptr) {
            XRRFreeOutputInfo(output);
        }
        XRRFreeScreenResources(resources);
        return config;
    }

    // Puts `crtc` on its mode and sizes the screen to `screen`, in the order RandR accepts: the
    // screen must hold the CRTC at every step. Success is the CRTC's; a screen left larger than
    // the mode still shows it.
    bool Apply(const CrtcConfig& crtc, const ScreenConfig& screen) {
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
        if (resources == nullptr) {
            return false;
        }
        XSync(display, False);
        auto* previousHandler = XSetErrorHandler(CountError);
        XGrabServer(display);
        const ScreenConfig now = CurrentScreen();
        if (screen.width > now.width || screen.height > now.height) {
            XRRSetScreenSize(display, root, std::max(screen.width, now.width),
                             std::max(screen.height, now.height), screen.widthMm, screen.heightMm);
        }
        XSync(display, False);
        errorsSeen = 0;
        auto outputs = crtc.outputs;
        const Status status =
            XRRSetCrtcConfig(display, resources, crtc.crtc, CurrentTime, crtc.x, crtc.y, crtc.mode,
                             crtc.rotation, outputs.data(), static_cast<int>(outputs.size()));
        XSync(display, False);
        const bool switched = status == RRSetConfigSuccess && errorsSeen == 0;
        if (switched) {
            XRRSetScreenSize(display, root, screen.width, screen.height, screen.widthMm,
                             screen.heightMm);
        }
        XUngrabServer(display);
        XSync(display, False);
        XSetErrorHandler(previousHandler);
        XRRFreeScreenResources(resources);
        return switched;
    }
};

std::unique_ptr<X11Display> X11Display::Open() {
    auto state = std::make_unique<State>();
    state->display = XOpenDisplay(nullptr);
    int eventBase = 0;
    int errorBase = 0;
    if (state->display == nullptr || !XRRQueryExtension(state->display, &eventBase, &errorBase)) {
        return nullptr;
    }
    state->root = DefaultRootWindow(state->display);
    state->depth = DefaultDepth(state->display, DefaultScreen(state->display));
    return std::unique_ptr<X11Display>(new X11Display(std::move(state)));
}

X11Display::X11Display(std::unique_ptr<State> state) : state_(std::move(state)) {
}

X11Display::~X11Display() = default;

std::optional<DisplayMode> X11Display::EnumMode(int index) {
    const auto modes = state_->Modes();
    if (index < 0 || static_cast<std::size_t>(index) >= modes.size()) {
        return std::nullopt;
    }
    const ModeEntry& entry = modes[static_cast<std::size_t>(index)];
    return DisplayMode{entry.width, entry.height, state_->depth};
}

bool X11Display::ChangeMode(const DisplayMode& mode) {
    if (mode.bitsPerPixel != state_->depth) {
        return false;
    }
    const auto crtc = state_->PrimaryCrtc();
    if (!crtc) {
        return false;
    }
    for (const ModeEntry& entry : state_->Modes()) {
        if (entry.width != mode.width || entry.height != mode.height) {
            continue;
        }
        const ScreenConfig before = state_->CurrentScreen();
        const ScreenConfig target{mode.width, mode.height,
                                  Millimetres(mode.width, before.width, before.widthMm),
                                  Millimetres(mode.height, before.height, before.heightMm)};
        CrtcConfig wanted = *crtc;
        wanted.mode = entry.id;
        wanted.x = 0;
        wanted.y = 0;
        if (!state_->Apply(wanted, target)) {
            return false;
        }
        if (!state_->changed) {
            state_->changed = true;
            state_->originalCrtc = *crtc;
            state_->originalScreen = before;
        }
        return true;
    }
    return false;
}

void X11Display::Restore() {
    if (state_->changed) {
        state_->Apply(state_->originalCrtc, state_->originalScreen);
        state_->changed = false;
    }
}

ScreenSize X11Display::CurrentSize() {
    const auto screen = state_->CurrentScreen();
    return {screen.width, screen.height};
}

} // namespace platform
