#include "setup_checks.h"

#include "app/face_name.h"
#include "app/paths.h"
#include "app/setup_ini.h"
#include "forms/form_layout.h"
#include "graphics/display_scale.h"
#include "text_encoding.h"

std::vector<Finding> CheckSetup(const Medium& medium, const std::string& setupIniBytes) {
    const TextEncoding encoding = DetectTextEncoding(setupIniBytes);
    CheckContext context(medium, IniLineIndex(NarrowedForLines(setupIniBytes, encoding)));
    if (encoding == TextEncoding::kUtf16)
        context.Report(Severity::kWarning, 1, "the file is " + EncodingProblem(encoding));
    else if (encoding == TextEncoding::kUtf8WithMark)
        context.Report(Severity::kWarning, 1,
                       "the file starts with a UTF-8 byte-order mark: this launcher reads it, but "
                       "earlier launchers and other programs reading it through Windows' profile "
                       "functions miss its first section; saved as UTF-8 without the mark it "
                       "reads the same here");
    if (context.languages.empty())
        context.Report(Severity::kWarning, 0,
                       "no language section (such as [EN] with IDS_ texts): every caption and "
                       "message is empty");
    CheckMainSettings(context);
    CheckForms(context);
    CheckLicences(context);
    CheckFixedTexts(context);
    CheckSpelling(context, setupIniBytes);
    CheckValueLengths(context);
    SortByLine(context.findings);
    return context.findings;
}

namespace {

// The work area of the most common laptop screen, 1366 x 768, less a task bar
// of 40 pixels at the bottom (its height at 100 % scale): the largest window
// most users of such a machine see whole.
constexpr PictureSize kCommonWorkArea{1366, 728};

// Pictures for larger scales beside the base one have its size times the scale.
void CheckScaledPictures(CheckContext& context, const std::string& picturePath,
                         const std::string& imageFile, int imageLine) {
    if (!context.picture)
        return;
    for (const int percent : {150, 200}) {
        const std::string path = ScaledAssetName(picturePath, percent);
        if (!context.medium.Exists(path))
            continue;
        const std::string name = ScaledAssetName(imageFile, percent);
        const int width = ScaledLength(context.picture->width, percent * kBaseDpi / 100);
        const int height = ScaledLength(context.picture->height, percent * kBaseDpi / 100);
        const std::optional<PictureSize> size = context.medium.DecodePicture(path);
        if (!size)
            context.Report(Severity::kWarning, imageLine,
                           "picture \"" + name + "\" cannot be decoded; the launcher scales \"" +
                               imageFile + "\" instead");
        else if (size->width != width || size->height != height)
            context.Report(Severity::kWarning, imageLine,
                           "picture \"" + name + "\" is " + std::to_string(size->width) + " x " +
                               std::to_string(size->height) + "; for " + std::to_string(percent) +
                               " % it should be " + std::to_string(width) + " x " +
                               std::to_string(height));
    }
}

} // namespace

void CheckMainSettings(CheckContext& context) {
    const IniLineIndex& index = context.index;
    const std::string imageFile = context.Read("main", "imageFile");
    const int imageLine = index.LineOf("main", "imageFile");
    const std::string picturePath =
        JoinPath(context.medium.Folder(), imageFile, context.medium.LeadBytes());
    if (imageFile.empty())
        context.Report(Severity::kError, imageLine,
                       "no imageFile in [main]: every form needs its picture");
    else if (!context.medium.Exists(picturePath))
        context.Report(Severity::kError, imageLine, "picture \"" + imageFile + "\" missing");
    else if (!(context.picture = context.medium.DecodePicture(picturePath)))
        context.Report(Severity::kError, imageLine,
                       "picture \"" + imageFile + "\" cannot be decoded");
    else if (context.picture->width > kCommonWorkArea.width ||
             context.picture->height > kCommonWorkArea.height)
        context.Report(Severity::kWarning, imageLine,
                       "picture \"" + imageFile + "\" is " +
                           std::to_string(context.picture->width) + " x " +
                           std::to_string(context.picture->height) +
                           ": the window takes its size, and a common laptop's screen shows " +
                           std::to_string(kCommonWorkArea.width) + " x " +
                           std::to_string(kCommonWorkArea.height) + " of it");

    CheckScaledPictures(context, picturePath, imageFile, imageLine);

    const std::string versionFont = context.Read("main", "versionFont");
    if (versionFont.size() >= kFaceNameBytes)
        context.Report(Severity::kWarning, index.LineOf("main", "versionFont"),
                       "face name \"" + versionFont + "\" is over 31 bytes");

    if (!context.picture || context.Read("main", "versionNumber").empty())
        return;
    const int versionX = context.medium.Integer("main", "versionX", 0);
    const int versionY = context.medium.Integer("main", "versionY", 0);
    const PixelRect text =
        VersionTextRectangle(versionX, versionY, context.picture->width, context.picture->height);
    if (text.right <= text.left)
        context.Report(Severity::kWarning, index.LineOf("main", "versionX"),
                       "versionX " + std::to_string(versionX) + " is past the picture's width " +
                           std::to_string(context.picture->width) +
                           " - 40: the version text is not shown");
}

void CheckValueLengths(CheckContext& context) {
    for (const IniSectionLines& section : context.index.Sections())
        for (const IniKeyLine& key : section.keys) {
            const auto value = context.medium.Value(section.name, key.name);
            if (value && value->size() > kMaxIniValueBytes)
                context.Report(Severity::kWarning, key.line,
                               "value of \"" + key.name + "\" is " + std::to_string(value->size()) +
                                   " bytes: the launcher reads only the first 259");
        }
}
