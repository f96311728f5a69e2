#include "skin/default/DefaultSkinDescription.h"

#include <array>

namespace {
// clang-format off
// The blanks round "=" in [EditSize] are part of the file as it has always been.
constexpr std::array Lines = {
    "[MainSize]", "Width=5415", "Height=3045", "",
    "[MainPos]",
    "FolderTreeview=405,270,2580,2700", "cboFileType=3015,285,2325",
    "CBWRecursive=3105,735,240,150", "CBWSearchZipContent=3105,975,240,150",
    "CBWEnableComment=3105,1215,240,150", "CBWEjectCD=3105,1455,240,150",
    "CBWSort=3210,1110,240,150", "CBWIgnoreMaxHit=3210,1335,240,150",
    "BWSearch=3450,1920,240,150", "BWStop=4365,1920,240,150",
    "BWExit=5250,75,105,105", "BWMin=5070,75,105,105",
    "BWLayerCat=90,285,285,705", "BWLayerFind=90,990,285,705", "BWLayerLib=90,1695,285,705",
    "lblTitle=330,30", "lblRecursive=3405,720", "lblSearchZipContent=3405,960",
    "lblEnableComment=3405,1200", "lblEjectCD=3405,1440", "lblSearch=3735,1905", "lblStop=4650,1905",
    "BWFind=4425,450,240,150", "cboTypeDisk=480,2325", "cboFilter=480,1665", "cboListDAT=480,1005",
    "cboFind=480,345", "lblFilter=495,1485", "lblTypeDisk=495,2130", "lblListDAT=495,810",
    "lblFind=4725,435", "lblSort=3510,1080", "lblIgnoreMaxHit=3510,1305",
    "LVLib=390,240,4980,2775", "imgicon=45,15,240,240", "",
    "[SaveSize]", "Width=2760", "Height=3060", "",
    "[SavePos]",
    "lblTitle=75,30", "lblName=120,285", "lblComment=120,825", "lblSave=795,2760",
    "lblCancel=1830,2760", "txtName=105,450,2550,285", "txtcomment=105,990,2250,1695",
    "BWExit=2565,75,105,105", "BWSave=510,2775,240,150", "BWCancel=1545,2775,240,150", "",
    "[FindSize]", "Width=9015", "Height=5565", "Color=66,66,66", "",
    "[FindPos]", "lblTitle=75,30", "BWExit=6645,75,105,105", "BWMax=6445,75,135,105", "",
    "[LibSize]", "Width=7500", "Height=6000", "Color=66,66,66", "",
    "[LibPos]", "lblTitle=75,30", "lblView=75,30", "BWExit=7365,75,105,105", "BWMax=7165,75,135,105",
    "CBWView=7165,75,240,150", "",
    "[ViewSize]", "Width=7500", "Height=6000", "Color=66,66,66", "",
    "[ViewPos]", "lblTitle=75,30", "BWExit=7365,75,105,105", "BWMax=7165,75,135,105", "",
    "[EditSize]", "Width = 5040", "Height = 990", "Color=66,66,66", "",
    "[EditPos]", "lblTitle=75,30", "lblOK=1440,690", "lblCancel=3360,690", "BWExit=4875,75,105,105",
    "BWOK=1170,705,240,150", "BWCancel=3090,705,240,150", "",
    "[Object]",
    "picFond=fond", "picFondSave=fond_save", "picBouton=boutonup,boutonin,boutondown",
    "picCheck=checkedin,checkedout,uncheckedin,uncheckedout", "picExit=xout,xin,xdown",
    "picMax=xmaxout,xmaxin,xmaxdown", "picMin=xminout,xminin,xmindown", "picFondEdit=fond_edit",
    "picCatSelect=layer_select_cat", "picCatUnSelect=layer_unselect_cat",
    "picFindSelect=layer_select_find", "picFindUnSelect=layer_unselect_find",
    "picLibSelect=layer_select_lib", "picLibUnSelect=layer_unselect_lib",
    "picGH=fond_gh", "picG=fond_g", "picGB=fond_gb", "picB=fond_b", "picDB=fond_db", "picD=fond_d",
    "picDH=fond_dh", "picH=fond_h", "",
};
// clang-format on
} // namespace

std::string DefaultSkinDescription()
{
    std::string text;
    for (const char* line : Lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}
