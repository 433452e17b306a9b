#include "plot_file.h"

#include "afxwin.h"
#include "file_save.h"
#include "report/svg_plot.h"
#include "scene_drawing.h"

#include <cmath>

PlotFileType PlotFileTypeOf(const std::string& path, int filterIndex)
{
    if (HasExtension(path, ".png")) return PlotFileType::Png;
    if (HasExtension(path, ".svg")) return PlotFileType::Svg;
    return filterIndex == 2 ? PlotFileType::Png : PlotFileType::Svg;
}

bool PlotFileBytes(const PlotScene& scene, PlotFileType type, std::string& bytes)
{
    if (type == PlotFileType::Svg) {
        bytes = WriteSvg(scene);
        return true;
    }
    CImage image;
    if (!image.Create(static_cast<int>(std::lround(scene.width)), static_cast<int>(std::lround(scene.height)), 24))
        return false;
    CDC dc;
    if (!dc.Attach(image.GetDC())) return false;
    DrawScene(dc, scene);
    dc.Detach();
    image.ReleaseDC();
    return image.SavePng(bytes) != FALSE;
}
