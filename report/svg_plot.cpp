#include "report/svg_plot.h"

#include <charconv>
#include <cmath>

namespace {

// value to two decimals, trailing zeros removed: "12.5", "300", "-0.25"; never "-0".
std::string Number(double value)
{
    char buffer[400];   // room for the largest double written in full
    const double rounded = std::round(value * 100.0) / 100.0 + 0.0;   // + 0.0 turns -0 into 0
    char* end = std::to_chars(buffer, buffer + sizeof buffer, rounded, std::chars_format::fixed, 2).ptr;
    while (end[-1] == '0') --end;
    if (end[-1] == '.') --end;
    return std::string(buffer, end);
}

std::string Color(PlotColor c)
{
    constexpr char kHex[] = "0123456789abcdef";
    std::string text = "#";
    for (const unsigned v : {c.red, c.green, c.blue}) {
        text += kHex[v >> 4];
        text += kHex[v & 15];
    }
    return text;
}

std::string Escaped(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        }
    }
    return out;
}

const char* AnchorName(TextAnchor anchor)
{
    switch (anchor) {
    case TextAnchor::Start: return "start";
    case TextAnchor::Middle: return "middle";
    case TextAnchor::End: return "end";
    }
    return "start";
}

}  // namespace

std::string WriteSvg(const PlotScene& scene)
{
    const std::string width = Number(scene.width), height = Number(scene.height);
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + width +
                      "\" height=\"" + height + "\" viewBox=\"0 0 " + width + " " + height + "\">\n";
    svg += "<rect x=\"0\" y=\"0\" width=\"" + width + "\" height=\"" + height + "\" fill=\"" +
           Color(scene.background) + "\"/>\n";
    for (const PlotLine& line : scene.lines) {
        svg += "<polyline fill=\"none\" stroke=\"" + Color(line.color) + "\" stroke-width=\"" + Number(line.width) +
               "\" stroke-linejoin=\"round\" stroke-linecap=\"round\" points=\"";
        for (std::size_t i = 0; i < line.points.size(); ++i) {
            if (i > 0) svg += ' ';
            svg += Number(line.points[i].x);
            svg += ',';
            svg += Number(line.points[i].y);
        }
        svg += "\"/>\n";
    }
    for (const PlotDisc& disc : scene.discs)
        svg += "<circle cx=\"" + Number(disc.centre.x) + "\" cy=\"" + Number(disc.centre.y) + "\" r=\"" +
               Number(disc.radius) + "\" fill=\"" + Color(disc.color) + "\"/>\n";
    for (const PlotText& text : scene.texts)
        svg += "<text x=\"" + Number(text.anchor.x) + "\" y=\"" + Number(text.anchor.y) +
               "\" font-family=\"sans-serif\" font-size=\"" + Number(text.size) + "\" text-anchor=\"" +
               AnchorName(text.alignment) + "\" fill=\"" + Color(text.color) + "\">" + Escaped(text.text) + "</text>\n";
    svg += "</svg>\n";
    return svg;
}
