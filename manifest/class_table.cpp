// The 34 ActiveX control classes, in table order.

#include "manifest.h"

namespace qv::manifest
{

namespace
{
constexpr std::array<ClassRecord, 34> table { {
    { "TabDlg.SSTab", "SSTab", "TABCTL32.OCX", "{BDC217C5-ED16-11CD-956C-0000C04E4C0A}", true, "SSTab1" },
    { "MSFlexGridLib.MSFlexGrid", "MSFlexGrid", "MSFLXGRD.OCX", "{6262D3A0-531B-11CF-91F6-C2863C385E30}",
      true, "MSFlexGrid1" },
    { "MSComDlg.CommonDialog", "CommonDialog", "COMDLG32.OCX", "{F9043C85-F6F2-101A-A3C9-08002B2F49FB}",
      false, "CommonDialog1" },
    { "MSComctlLib.TabStrip", "TabStrip", "MSCOMCTL.OCX", "{1EFB6596-857C-11D1-B16A-00C0F0283628}", true,
      "TabStrip1" },
    { "MSComctlLib.Toolbar", "Toolbar", "MSCOMCTL.OCX", "{66833FE6-8583-11D1-B16A-00C0F0283628}", true,
      "Toolbar1" },
    { "MSComctlLib.StatusBar", "StatusBar", "MSCOMCTL.OCX", "{8E3867A3-8586-11D1-B16A-00C0F0283628}", true,
      "StatusBar1" },
    { "MSComctlLib.ProgressBar", "ProgressBar", "MSCOMCTL.OCX", "{35053A22-8589-11D1-B16A-00C0F0283628}",
      true, "ProgressBar1" },
    { "MSComctlLib.TreeView", "TreeView", "MSCOMCTL.OCX", "{C74190B6-8589-11D1-B16A-00C0F0283628}", true,
      "TreeView1" },
    { "MSComctlLib.ListView", "ListView", "MSCOMCTL.OCX", "{BDD1F04B-858B-11D1-B16A-00C0F0283628}", true,
      "ListView1" },
    { "MSComctlLib.ImageList", "ImageList", "MSCOMCTL.OCX", "{2C247F23-8591-11D1-B16A-00C0F0283628}", false,
      "ImageList1" },
    { "MSComctlLib.Slider", "Slider", "MSCOMCTL.OCX", "{F08DF954-8592-11D1-B16A-00C0F0283628}", true,
      "Slider1" },
    { "MSComctlLib.ImageCombo", "ImageCombo", "MSCOMCTL.OCX", "{DD9DA666-8594-11D1-B16A-00C0F0283628}", true,
      "ImageCombo1" },
    { "MSComCtl2.Animation", "Animation", "MSCOMCT2.OCX", "{B09DE715-87C1-11D1-8BE3-0000F8754DA1}", true,
      "Animation1" },
    { "MSComCtl2.UpDown", "UpDown", "MSCOMCT2.OCX", "{603C7E80-87C2-11D1-8BE3-0000F8754DA1}", true,
      "UpDown1" },
    { "MSComCtl2.MonthView", "MonthView", "MSCOMCT2.OCX", "{232E456A-87C3-11D1-8BE3-0000F8754DA1}", true,
      "MonthView1" },
    { "MSComCtl2.DTPicker", "DTPicker", "MSCOMCT2.OCX", "{20DD1B9E-87C4-11D1-8BE3-0000F8754DA1}", true,
      "DTPicker1" },
    { "MSComCtl2.FlatScrollBar", "FlatScrollBar", "MSCOMCT2.OCX", "{FE38753A-44A3-11D1-B5B7-0000C09000C4}",
      true, "FlatScrollBar1" },
    { "InetCtlsObjects.Inet", "Inet", "MSINET.OCX", "{48E59293-9880-11CF-9754-00AA00C00908}", false,
      "Inet1" },
    { "RichTextLib.RichTextBox", "RichTextBox", "RICHTX32.OCX", "{3B7C8860-D78F-101B-B9B5-04021C009402}",
      true, "RichTextBox1" },
    { "MSChart20Lib.MSChart", "MSChart", "MSCHRT20.OCX", "{3A2B370C-BA0A-11D1-B137-0000F8753F5D}", true,
      "MSChart1" },
    { "MSWinsockLib.Winsock", "Winsock", "MSWINSCK.OCX", "{248DD896-BB45-11CF-9ABC-0080C7E7B78D}", false,
      "Winsock1" },
    { "MSMAPI.MAPISession", "MAPISession", "MSMAPI32.OCX", "{20C62CA0-15DA-101B-B9A8-444553540000}", false,
      "MAPISession1" },
    { "MSMAPI.MAPIMessages", "MAPIMessages", "MSMAPI32.OCX", "{20C62CAB-15DA-101B-B9A8-444553540000}", false,
      "MAPIMessages1" },
    { "MCI.MMControl", "MMControl", "MCI32.OCX", "{C1A8AF25-1257-101B-8FB0-0020AF039CA3}", true,
      "MMControl1" },
    { "PicClip.PictureClip", "PictureClip", "PICCLP32.OCX", "{27395F85-0C0C-101B-A3C9-08002B2F49FB}", false,
      "PictureClip1" },
    { "SysInfoLib.SysInfo", "SysInfo", "SYSINFO.OCX", "{6FBA474B-43AC-11CE-9A0E-00AA0062BB4C}", false,
      "SysInfo1" },
    { "MSCommLib.MSComm", "MSComm", "MSCOMM32.OCX", "{648A5600-2C6E-101B-82B6-000000000014}", false,
      "MSComm1" },
    { "MSMask.MaskEdBox", "MaskEdBox", "MSMASK32.OCX", "{C932BA85-4374-101B-A56C-00AA003668DC}", true,
      "MaskEdBox1" },
    { "MSDataGridLib.DataGrid", "DataGrid", "MSDATGRD.OCX", "{CDE57A43-8B86-11D0-B3C6-00A0C90AEA82}", true,
      "DataGrid1" },
    { "MSDataListLib.DataList", "DataList", "MSDATLST.OCX", "{F0D2F219-CCB0-11D0-A316-00AA00688B10}", true,
      "DataList1" },
    { "MSDataListLib.DataCombo", "DataCombo", "MSDATLST.OCX", "{F0D2F21C-CCB0-11D0-A316-00AA00688B10}", true,
      "DataCombo1" },
    { "ComCtl3.CoolBar", "CoolBar", "COMCT332.OCX", "{38911D92-E448-11D0-84A3-00DD01104159}", true,
      "CoolBar1" },
    { "MSAdodcLib.Adodc", "Adodc", "MSADODC.OCX", "{67397AA3-7FB1-11D0-B148-00A0C922E820}", true, "Adodc1" },
    { "MSHierarchicalFlexGridLib.MSHFlexGrid", "MSHFlexGrid", "MSHFLXGD.OCX",
      "{0ECD9B64-23AA-11D0-B351-00A0C9055D8E}", true, "MSHFlexGrid1" },
} };
}

std::span<const ClassRecord> classes()
{
    return table;
}

} // namespace qv::manifest
