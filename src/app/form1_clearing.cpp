// Form1's clearing operations: the "删除缓存" button and the seven public operations, which no
// button reaches.
#include "app/clearing_commands.h"
#include "app/form1.h"

namespace app {

void Form1::Command2_Click()
{
    StartDeleteCache(*parts_.starter);
}

void Form1::Clear_Temp_Files()
{
    StartClearing(*parts_.starter, ClearTempFilesLine);
}

void Form1::Clear_Cookies()
{
    StartClearing(*parts_.starter, ClearCookiesLine);
}

void Form1::Clear_History()
{
    StartClearing(*parts_.starter, ClearHistoryLine);
}

void Form1::Clear_Form_Data()
{
    StartClearing(*parts_.starter, ClearFormDataLine);
}

void Form1::Clear_Saved_Passwords()
{
    StartClearing(*parts_.starter, ClearSavedPasswordsLine);
}

void Form1::Clear_All()
{
    StartClearing(*parts_.starter, ClearAllLine);
}

void Form1::Clear_Clear_Add_ons_Settings()
{
    StartClearing(*parts_.starter, ClearAddOnsSettingsLine);
}

}  // namespace app
