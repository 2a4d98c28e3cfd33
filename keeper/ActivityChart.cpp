// The activity chart of frmGetIp: the background shown, the round-trip line and its reset.
#include "keeper/frmGetIp.h"

void frmGetIp::ShowBackground()
{
    ChartPict.SetPicture(CopyPicture(Picture1[ActivityIndex % 3].Picture()));
}

// The line is drawn into the background in the background's own scale, the box's design size at
// 15 twips a pixel, and the box shows the picture stretched over itself: at any screen density
// the line lies over the grid where it lies at 96 dots per inch.
void frmGetIp::DrawChart()
{
    DrawChartLine(ChartPict.Picture(), ChartLineOf(ChartData, ChartWidthTwips, ChartHeightTwips),
                  ChartTwipsPerPixel);
    ChartPict.Refresh();
}

void frmGetIp::cmdResetActivity_Click()
{
    ChartData.fill(0);
    ShowBackground();
    DrawChart();
    StatusBar1.SetPanelText(1, "");
}
