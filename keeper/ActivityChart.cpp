// The activity chart of frmGetIp: the background shown, the round-trip line and its reset.
#include "keeper/frmGetIp.h"

void frmGetIp::ShowBackground()
{
    ChartPict.SetPicture(CopyPicture(Picture1[ActivityIndex % 3].Picture()));
}

void frmGetIp::DrawChart()
{
    const double width = ChartPict.Width();
    const double height = ChartPict.Height();
    DrawChartLine(ChartPict.Picture(), ChartLineOf(ChartData, width, height), ui::TwipsPerPixelX());
    ChartPict.Refresh();
}

void frmGetIp::cmdResetActivity_Click()
{
    ChartData.fill(0);
    ShowBackground();
    DrawChart();
    StatusBar1.SetPanelText(1, "");
}
