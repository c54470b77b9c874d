// The browser's front end: one picture, one profile and the skin made from them, kept between calls
// so that a changed setting recomposes the preview without reading the picture again. Each step is
// the command line's own: the picture is read as `tolvarin` reads a file, the profile as
// --settings reads one, a change as --set makes it, the preview as `tolvarin preview` composes it
// and the skin's files and archive as `tolvarin make --wsz` writes them.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <string>
#include <vector>

#include "cli/Output.h"
#include "cli/SkinFiles.h"
#include "cli/WszArchive.h"
#include "compose/Compose.h"
#include "compose/PreviewImage.h"
#include "compose/SkinCanvases.h"
#include "picture/OpenPicture.h"
#include "platform/Platform.h"
#include "settings/Profile.h"
#include "settings/ProfileTable.h"
#include "settings/ProfileTarget.h"
#include "settings/SettingChange.h"
#include "writer/SaveSkin.h"

using emscripten::val;

namespace {

// Bytes handed to the page as a Uint8Array of its own (a view into the module's memory would
// change under it when the memory grows).
val BytesOut(const void* data, size_t size) {
    val view(emscripten::typed_memory_view(size, static_cast<const uint8_t*>(data)));
    return val::global("Uint8Array").new_(view);
}

val BytesOut(const std::string& bytes) {
    return BytesOut(bytes.data(), bytes.size());
}

// The name that means this key alone: the bare key unless another section has one of that name.
std::string SetName(const ProfileEntry& entry) {
    return FindProfileKeys(entry.key.View()).size() == 1 ? std::string(entry.key.View()) : QualifiedName(entry);
}

const char* KindOf(const ProfileEntry& entry) {
    switch (entry.step) {
        case ProfileStep::kText:
            return "text";
        case ProfileStep::kColorComponent:
            return "color";
        default:
            return entry.range.lowest == kFlagRange.lowest && entry.range.highest == kFlagRange.highest ? "flag"
                                                                                                        : "integer";
    }
}

}  // namespace

class WebSession {
  public:
    WebSession() {
        // The core's own messages (code page 932) are kept for the page, which shows them with the
        // reason of the step that failed.
        platform::SetMessageSink([this](std::string_view text) { m_messages.append(text).append("\n"); });
        platform::SetPlainMessageSink([this](std::string_view text) { m_messages.append(text).append("\n"); });
        ReadSkinSettings(m_profile, m_settings);
    }

    // Empty when the picture was read; else the command line's message for it, and the picture
    // shown before stays.
    std::string OpenPicture(const std::string& name, const std::string& bytes) {
        DibBuffer fit232;
        DibBuffer fit116;
        std::string why;
        if (!FitAnyPictureMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), fit232, fit116, why))
            return "cannot read the picture " + Quoted(name) + ": " + why;
        m_fit232 = std::move(fit232);
        m_fit116 = std::move(fit116);
        m_havePicture = true;
        return {};
    }

    // A profile replaces the settings and every change made so far, as --settings does.
    std::string LoadProfile(const std::string& name, const std::string& bytes) {
        if (bytes.size() > kLargestProfileBytes)
            return "cannot read the settings profile " + Quoted(name) + ": " +
                   platform::TooLargeText(bytes.size(), kLargestProfileBytes);
        m_profile = IniFile(bytes);
        ReadSkinSettings(m_profile, m_settings);
        return {};
    }

    // One --set KEY=VALUE (the value in code page 932); false when the key or its value is refused.
    bool Set(const std::string& name, const std::string& value) {
        const std::vector<const ProfileEntry*> keys = FindProfileKeys(name);
        SettingChange change;
        if (keys.size() != 1 || !keys[0]->written || !ParseSettingValue(*keys[0], value, change))
            return false;
        ApplySettingChange(change, m_profile);
        ReadSkinSettings(m_profile, m_settings);
        return true;
    }

    void SetComplete(bool complete) { m_mode = complete ? SkinMode::Complete : SkinMode::Classic; }

    // Every stored key in profile order: its --set name, kind, range and value as the settings hold
    // it now (after the profile's repairs); the font name as code page 932 bytes.
    val Fields() const {
        val fields = val::array();
        for (const ProfileEntry& entry : ProfileTable()) {
            if (!entry.written)
                continue;
            val field = val::object();
            field.set("name", SetName(entry));
            field.set("section", std::string(entry.section));
            field.set("key", std::string(entry.key.View()));
            field.set("kind", std::string(KindOf(entry)));
            if (entry.step == ProfileStep::kText) {
                field.set("bytes", BytesOut(m_settings.PlFont, std::string_view(m_settings.PlFont).size()));
            } else {
                field.set("lowest", entry.range.lowest);
                field.set("highest", entry.range.highest);
                field.set("value", entry.step == ProfileStep::kColorComponent
                                       ? int32_t(ColorOf(m_settings, entry).*entry.component)
                                       : m_settings.*entry.integer);
            }
            fields.call<void>("push", field);
        }
        return fields;
    }

    // The 550 x 232 preview as `tolvarin preview` composes it, as RGBA rows from the top, the
    // layout of a canvas's ImageData. Null when it cannot be composed.
    val Preview() {
        SkinCanvases canvases;
        DibBuffer preview;
        if (!canvases.Allocate())
            return val::null();
        if (m_havePicture) {
            BuildTemplates(m_settings, canvases, LoadTemplate, m_mode);
            ComposeSkin(m_settings, m_fit232, m_fit116, canvases, LoadTemplate, m_mode);
        }
        if (!ComposePreviewImage(m_settings, canvases, m_havePicture, preview))
            return val::null();
        // The buffer holds blue, green, red and a fourth byte per pixel, its first row the bottom one.
        const int32_t width = preview.Width();
        const int32_t height = preview.Height();
        std::vector<uint8_t> rgba(size_t(width) * size_t(height) * 4);
        for (int32_t y = 0; y < height; ++y) {
            const uint8_t* in = preview.Pixels() + size_t(height - 1 - y) * size_t(width) * 4;
            uint8_t* out = rgba.data() + size_t(y) * size_t(width) * 4;
            for (int32_t x = 0; x < width; ++x, in += 4, out += 4) {
                out[0] = in[2];
                out[1] = in[1];
                out[2] = in[0];
                out[3] = 255;
            }
        }
        val view(emscripten::typed_memory_view(rgba.size(), rgba.data()));
        return val::global("Uint8ClampedArray").new_(view);
    }

    // The skin's files as `make` writes them, [{name, bytes}], or a string saying why not.
    val SkinFiles() {
        std::vector<SkinFile> files;
        const std::string problem = Make(files);
        if (!problem.empty())
            return val(problem);
        val out = val::array();
        for (const SkinFile& file : files) {
            val entry = val::object();
            entry.set("name", file.name);
            entry.set("bytes", BytesOut(file.bytes));
            out.call<void>("push", entry);
        }
        return out;
    }

    // The .wsz archive of those files, or a string saying why not.
    val Wsz() {
        std::vector<SkinFile> files;
        std::string problem = Make(files);
        std::string archive;
        if (problem.empty() && !PackWszArchive(files, archive, problem))
            problem = "cannot make the archive: " + problem;
        return problem.empty() ? BytesOut(archive) : val(problem);
    }

    // The settings as `tolvarin settings -` writes them.
    val ProfileText() const {
        IniFile profile;
        WriteSkinSettings(profile, m_settings);
        return BytesOut(profile.Text());
    }

    // The core's messages since the last call, in code page 932.
    val TakeMessages() {
        val out = BytesOut(m_messages);
        m_messages.clear();
        return out;
    }

  private:
    std::string Make(std::vector<SkinFile>& files) {
        if (!m_havePicture)
            return "no picture is open";
        // The folder only holds the working directory while the files are made in memory.
        if (!SaveSkinFolder("/skin", m_settings, m_fit232, m_fit116, LoadTemplate, m_mode, GatherInto(files)))
            return "could not make the skin";
        return {};
    }

    IniFile m_profile;
    SkinSettings m_settings;
    SkinMode m_mode = SkinMode::Classic;
    DibBuffer m_fit232;
    DibBuffer m_fit116;
    bool m_havePicture = false;
    std::string m_messages;
};

EMSCRIPTEN_BINDINGS(tolvarin) {
    emscripten::class_<WebSession>("Session")
        .constructor<>()
        .function("openPicture", &WebSession::OpenPicture)
        .function("loadProfile", &WebSession::LoadProfile)
        .function("set", &WebSession::Set)
        .function("setComplete", &WebSession::SetComplete)
        .function("fields", &WebSession::Fields)
        .function("preview", &WebSession::Preview)
        .function("skinFiles", &WebSession::SkinFiles)
        .function("wsz", &WebSession::Wsz)
        .function("profileText", &WebSession::ProfileText)
        .function("takeMessages", &WebSession::TakeMessages);
}
