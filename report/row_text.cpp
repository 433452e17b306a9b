#include "report/row_text.h"

namespace {

void WriteTerminatedG(char (&buffer)[kNumberTextCapacity], double value)
{
    *WriteG(buffer, buffer + kNumberTextCapacity - 1, value) = '\0';
}

}  // namespace

ExtremumRowText FormatRow(const ExtremumRow& row)
{
    ExtremumRowText text;
    WriteTerminatedG(text.angle, row.angle);
    WriteTerminatedG(text.derivative, row.derivative);
    WriteTerminatedG(text.potential, row.potential);
    return text;
}
