#include "meter/app/frm_theme.h"

#include <array>

#include "meter/app/common_dialog.h"
#include "meter/app/frm_main.h"
#include "meter/app/meter_identity.h"
#include "ui/application.h"

namespace qn::meter {

namespace {

// The colour properties in list order; an item's number is its position + 1.
constexpr std::array<const char*, 6> kProperties = {
    "Back Color",    "Grid Color",           "Send Color",
    "Receive Color", "Send & Receive Color", "Numerical Display Text Color"};
constexpr const char* kPictureFilter = "Pictures (*.bmp;*.ico;*.jpg;*.gif)|*.bmp;*.ico;*.jpg;*.gif";
// Without a window (tests) the preview is measured at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// The preview's colour fields in list order.
std::array<Colour*, 6> PropertyFields(cGraph& graph) {
    return {&graph.BackColor, &graph.ChartColor, &graph.SendColor,
            &graph.RecvColor, &graph.BothColor,  &graph.NumColor};
}

void CopyLook(const cGraph& from, cGraph& to) {
    to.BackColor = from.BackColor;
    to.BothColor = from.BothColor;
    to.ChartColor = from.ChartColor;
    to.FillUnderGraph = from.FillUnderGraph;
    to.NumColor = from.NumColor;
    to.RecvColor = from.RecvColor;
    to.SendColor = from.SendColor;
    to.SetBackgroundPicture(from.BackgroundPicture());
    to.StretchBackground = from.StretchBackground;
}

}  // namespace

FrmTheme::FrmTheme(ui::Application& app, FrmMain& main) : ui::Form(app, "frmTheme"), main_(main) {
    LayOut();
    ConnectEvents();
}

FrmTheme::~FrmTheme() = default;

void FrmTheme::LayOut() {
    SetBorderStyle(ui::BorderStyle::FixedDialog);
    Move(-1, -1, 6240, 5160);
    lblTheme.SetCaption("Theme:");
    lblTheme.Move(120, 165, 900, 255);
    cmbTheme.Move(1080, 120, 4920, 315);
    picSample.Move(120, 540, 5880, 1800);
    lblProperty.SetCaption("Color:");
    lblProperty.Move(120, 2505, 900, 255);
    cmbProperty.Move(1080, 2460, 3480, 315);
    Picture1.Move(4680, 2460, 840, 315);
    cmdChange.SetCaption("...");
    cmdChange.Move(5640, 2460, 360, 315);
    chkFill.SetCaption("Fill Under Graph Lines");
    chkFill.Move(120, 2880, 3000, 255);
    Frame1.SetCaption("Background Picture");
    Frame1.Move(120, 3240, 5880, 1020);
    optStretch.SetCaption("Stretch");
    optStretch.Move(120, 270, 1200, 255);
    optTile.SetCaption("Tile");
    optTile.Move(1440, 270, 1200, 255);
    txtBackground.Move(120, 600, 3720, 315);
    txtBackground.SetLocked(true);
    cmdBrowse.SetCaption("Browse");
    cmdBrowse.Move(3960, 600, 900, 315);
    cmdClear.SetCaption("Clear");
    cmdClear.Move(4920, 600, 840, 315);
    const int buttonsTop = 4440;
    cmdSave.SetCaption("Save As...");
    cmdSave.Move(120, buttonsTop, 1080, 375);
    cmdDel.SetCaption("Delete");
    cmdDel.Move(1260, buttonsTop, 1080, 375);
    cmdApply.SetCaption("Apply");
    cmdApply.Move(2700, buttonsTop, 1020, 375);
    cmdOk.SetCaption("Ok");
    cmdOk.Move(3840, buttonsTop, 1020, 375);
    cmdCancel.SetCaption("Cancel");
    cmdCancel.Move(4980, buttonsTop, 1020, 375);
    SetDefaultButton(&cmdOk);
    SetCancelButton(&cmdCancel);
}

void FrmTheme::ConnectEvents() {
    cmbTheme.Click.Connect([this] { cmbTheme_Click(); });
    cmbProperty.Click.Connect([this] { cmbProperty_Click(); });
    cmdChange.Click.Connect([this] { cmdChange_Click(); });
    Picture1.Click.Connect([this] { cmdChange_Click(); });
    chkFill.Click.Connect([this] { chkFill_Click(); });
    optStretch.Click.Connect([this] { optStretch_Click(); });
    optTile.Click.Connect([this] { optStretch_Click(); });
    cmdBrowse.Click.Connect([this] { cmdBrowse_Click(); });
    cmdClear.Click.Connect([this] { cmdClear_Click(); });
    picSample.MouseDown.Connect([this] { picSample_MouseDown(); });
    cmdSave.Click.Connect([this] { cmdSave_Click(); });
    cmdDel.Click.Connect([this] { cmdDel_Click(); });
    cmdApply.Click.Connect([this] { cmdApply_Click(); });
    cmdOk.Click.Connect([this] { cmdOk_Click(); });
    cmdCancel.Click.Connect([this] { Unload(); });
}

void FrmTheme::Form_Load() {
    // As a window loaded anew: the last opening's lists are gone.
    cmbTheme.Clear();
    cmbProperty.Clear();
    MeterServices& services = main_.Services();
    main_.Log().WriteLog("frmTheme_Load");
    SetCaption(std::string(kMeterTitle) + " Visual Themes");
    main_.ThemesVisible = true;

    const ui::Bounds& bounds = picSample.GetBounds();
    const int width = bounds.width / kTwipsPerPixel;
    sampleSurface_ =
        services.drawing.SurfaceFor(picSample.hWnd(), width, bounds.height / kTwipsPerPixel);
    sample_ =
        std::make_unique<cGraph>(services.drawing, main_.Log(), services.clock, main_.Folder());
    sample_->SetAutoScale(true);
    sample_->SetHistory(sampleSurface_->WidthPixels());
    // Two series that cross, so that every colour shows.
    for (std::int32_t x = 1; x <= sampleSurface_->WidthPixels(); ++x) {
        const std::int32_t left = sampleSurface_->WidthPixels() - x;
        sample_->AddData(left * left, x * x);
    }
    sample_->SetPicture(sampleSurface_.get());

    for (const char* property : kProperties) cmbProperty.AddItem(property);
    cmbProperty.SetListIndex(0);

    themes_ = std::make_unique<cGraphTheme>(services.registry, kMeterTitle, main_.Log());
    themes_->RegistryRead();
    FillThemeList();
    CopyLook(main_.NetGraph(), *sample_);
    SelectCurrentSettings();
    DrawSample(true);
}

void FrmTheme::Form_Unload(bool& /*cancel*/) {
    main_.Log().WriteLog("frmTheme_Unload");
    sample_.reset();
    sampleSurface_.reset();
    themes_.reset();
    main_.ThemesVisible = false;
}

void FrmTheme::FillThemeList() {
    cmbTheme.Clear();
    cmbTheme.AddItem(kCurrentSettings);
    for (const std::string& name : themes_->EnumThemes()) cmbTheme.AddItem(name);
}

// Selecting the item runs its Click even when it was selected already.
// While the window loads the list is still empty.
void FrmTheme::SelectCurrentSettings() {
    if (cmbTheme.ListCount() == 0) return;
    if (cmbTheme.ListIndex() == 0) return cmbTheme_Click();
    cmbTheme.SetListIndex(0);
}

Colour* FrmTheme::PropertyField() {
    const int index = cmbProperty.ListIndex();
    if (!sample_ || index < 0 || index >= static_cast<int>(kProperties.size())) return nullptr;
    return PropertyFields(*sample_)[static_cast<std::size_t>(index)];
}

void FrmTheme::ShowSwatch() {
    if (const Colour* field = PropertyField()) Picture1.SetBackColor(*field);
}

void FrmTheme::DrawSample(bool refreshBackground) {
    if (!sample_) return;
    const bool drawData = true;
    sample_->DrawGraph(drawData, refreshBackground);
}

void FrmTheme::cmbTheme_Click() {
    if (!sample_ || !themes_) return;
    themes_->ApplyTheme(cmbTheme.Text(), *sample_);
    updating_ = true;
    ShowSwatch();
    chkFill.SetValue(sample_->FillUnderGraph ? ui::vbChecked : ui::vbUnchecked);
    (sample_->StretchBackground ? optStretch : optTile).SetValue(true);
    txtBackground.SetText(sample_->BackgroundPicture());
    DrawSample(true);
    const bool current = cmbTheme.ListIndex() == 0;
    cmdDel.SetEnabled(!current && themes_->CanDelete(cmbTheme.Text()));
    cmdSave.SetEnabled(current);
    updating_ = false;
}

void FrmTheme::cmbProperty_Click() {
    ShowSwatch();
    SelectCurrentSettings();
}

void FrmTheme::cmdChange_Click() {
    Colour* field = PropertyField();
    if (field == nullptr) return;
    MeterServices& services = main_.Services();
    cCommonDialog dialog(services.dialogs, [&services](std::int32_t index) {
        return services.frame.SysColor(index);
    });
    auto colour = static_cast<std::int32_t>(Picture1.BackColor());
    const bool anyColor = true;
    const bool fullOpen = false;
    const bool disableFullOpen = false;
    if (dialog.VBChooseColor(colour, anyColor, fullOpen, disableFullOpen,
                             static_cast<std::intptr_t>(hWnd()))) {
        *field = static_cast<Colour>(colour);
        Picture1.SetBackColor(*field);
        DrawSample(true);
    }
    SelectCurrentSettings();
}

void FrmTheme::chkFill_Click() {
    if (updating_ || !sample_) return;
    sample_->FillUnderGraph = chkFill.Value() == ui::vbChecked;
    DrawSample(false);
    SelectCurrentSettings();
}

void FrmTheme::optStretch_Click() {
    if (updating_ || !sample_) return;
    sample_->StretchBackground = optStretch.Value();
    DrawSample(true);
    SelectCurrentSettings();
}

void FrmTheme::cmdBrowse_Click() {
    if (!sample_) return;
    MeterServices& services = main_.Services();
    cCommonDialog dialog(services.dialogs, [&services](std::int32_t index) {
        return services.frame.SysColor(index);
    });
    OpenFileArgs args;
    args.FileMustExist = true;
    args.MultiSelect = false;
    args.ReadOnly = false;
    args.HideReadOnly = true;
    args.Filter = kPictureFilter;
    args.FilterIndex = 1;
    args.Owner = static_cast<std::intptr_t>(hWnd());
    if (dialog.VBGetOpenFileName(args)) {
        txtBackground.SetText(args.Filename);
        sample_->SetBackgroundPicture(args.Filename);
        DrawSample(true);
    }
    SelectCurrentSettings();
}

void FrmTheme::cmdClear_Click() {
    if (!sample_) return;
    txtBackground.SetText("");
    sample_->SetBackgroundPicture("");
    DrawSample(true);
    SelectCurrentSettings();
}

// The first property with the pressed pixel's colour is chosen.
void FrmTheme::picSample_MouseDown() {
    if (!sample_ || !sampleSurface_) return;
    const int x = picSample.MouseX();
    const int y = picSample.MouseY();
    if (x < 0 || y < 0 || x >= sampleSurface_->WidthPixels() ||
        y >= sampleSurface_->HeightPixels()) {
        return;
    }
    const Colour pixel = sampleSurface_->Pixel(x, y);
    const std::array<Colour, 6> order = {sample_->BackColor, sample_->ChartColor,
                                         sample_->SendColor, sample_->RecvColor,
                                         sample_->BothColor, sample_->NumColor};
    for (std::size_t item = 0; item < order.size(); ++item) {
        if (order[item] == pixel) return cmbProperty.SetListIndex(static_cast<int>(item));
    }
}

void FrmTheme::cmdSave_Click() {
    if (!sample_) return;
    const std::string name =
        App().InputBox("Please enter a name for this theme:", kMeterTitle, "My New Custom Theme");
    if (name.empty()) return;
    // A built-in or read-only name is quietly not stored.
    themes_->SaveTheme(name, *sample_);
    FillThemeList();
    SelectCurrentSettings();
    main_.PopulateThemeList();
}

void FrmTheme::cmdDel_Click() {
    themes_->DeleteTheme(cmbTheme.Text());
    FillThemeList();
    SelectCurrentSettings();
    main_.PopulateThemeList();
}

void FrmTheme::cmdApply_Click() {
    if (!sample_) return;
    cGraph& graph = main_.NetGraph();
    CopyLook(*sample_, graph);
    themes_->RegistrySave();
    const bool drawData = true;
    const bool refreshBackground = true;
    graph.DrawGraph(drawData, refreshBackground);
}

void FrmTheme::cmdOk_Click() {
    cmdApply_Click();
    Unload();
}

}  // namespace qn::meter
