#include "compose/TemplateSizes.h"

namespace {

struct SizeRow {
    int id;
    TemplateSize size;
};

constexpr SizeRow kSizes[] = {
    {kTplStockEqualizer, {275, 116}}, {kTplStockMain, {275, 116}}, {kTplStockBrowser, {275, 116}},
    {kTplStockPlaylist, {275, 116}},  {kTplCButtons, {136, 36}},   {kTplBrowserWindow, {275, 116}},
    {kTplPlaylistMask, {245, 58}},    {kTplTimeMask, {90, 19}},    {kTplEqEx, {275, 57}},
    {kTplEqMain, {275, 163}},         {kTplMb, {242, 119}},        {kTplMonoSter, {56, 24}},
    {kTplNumsEx, {108, 13}},          {kTplPlayPaus, {42, 9}},     {kTplPlEdit, {280, 186}},
    {kTplPosBar, {307, 10}},          {kTplShufRep, {92, 85}},     {kTplText, {155, 18}},
    {kTplTitleBar, {344, 87}},        {kTplVolume, {68, 433}},     {kTplBalance, {68, 433}},
    {kTplCompleteEqMain, {275, 315}},
};

}  // namespace

TemplateSize ExpectedTemplateSize(int id) {
    for (const SizeRow& row : kSizes) {
        if (row.id == id)
            return row.size;
    }
    return {0, 0};
}

bool HasExpectedSize(const TemplateBitmap& bitmap, int id) {
    const TemplateSize size = ExpectedTemplateSize(id);
    return !bitmap.IsEmpty() && size.width > 0 && bitmap.Width() == size.width && bitmap.Height() == size.height;
}
