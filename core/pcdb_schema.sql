-- The ledger's database: 18 tables and the reserved rows every inner join of the program needs.
-- The build turns this file into the template "pcdb.mdb" (platform/db/tool/make_template_db.cpp);
-- the program itself never creates or alters a table.
--
-- Declared types name the Jet column type and give SQLite the affinity Jet's rules need:
--   SMALLINT       Jet Integer (16 bit)      INTEGER affinity, CHECK -32768..32767, whole numbers only
--   INTEGER        Jet Long Integer          INTEGER affinity, CHECK 32-bit, whole numbers only
--   VARCHAR(255)   Jet Text                  TEXT affinity (a bare 0 is stored '0', '007' stays '007'),
--                                            COLLATE NOCASE as Jet compares text, CHECK length <= 255
--   TEXT           Jet Memo                  TEXT affinity, COLLATE NOCASE
--   DATETIME       Jet Date/Time             stored as 'yyyy-mm-dd hh:mm:ss' text; the triggers below turn
--                                            any date a statement writes ('2005/12/04') into that form
-- No key is "INTEGER PRIMARY KEY": that would make it the rowid, which accepts any 64-bit value.
-- jet_date() is registered by the database layer on every connection it opens.

CREATE TABLE "tbl_Computer_List" (
    "MainKey" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "MainKey" CHECK (typeof("MainKey") IN ('integer', 'null') AND "MainKey" BETWEEN -32768 AND 32767),
    "Location_Code" SMALLINT CONSTRAINT "Location_Code" CHECK (typeof("Location_Code") IN ('integer', 'null') AND "Location_Code" BETWEEN -32768 AND 32767),
    "User_Code" SMALLINT CONSTRAINT "User_Code" CHECK (typeof("User_Code") IN ('integer', 'null') AND "User_Code" BETWEEN -32768 AND 32767),
    "Manufacturer_Code" SMALLINT CONSTRAINT "Manufacturer_Code" CHECK (typeof("Manufacturer_Code") IN ('integer', 'null') AND "Manufacturer_Code" BETWEEN -32768 AND 32767),
    "Model_Code" SMALLINT CONSTRAINT "Model_Code" CHECK (typeof("Model_Code") IN ('integer', 'null') AND "Model_Code" BETWEEN -32768 AND 32767),
    "Deleted_Flug" SMALLINT DEFAULT 0 CONSTRAINT "Deleted_Flug" CHECK (typeof("Deleted_Flug") IN ('integer', 'null') AND "Deleted_Flug" BETWEEN -32768 AND 32767),
    "Remove_Date" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Remove_Date" CHECK (length("Remove_Date") <= 255),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Type_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Type_Number" CHECK (length("Type_Number") <= 255),
    "Sereals_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Sereals_Number" CHECK (length("Sereals_Number") <= 255),
    "Asset_Code" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Asset_Code" CHECK (length("Asset_Code") <= 255),
    "Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Comment" CHECK (length("Comment") <= 255),
    "Selling_Agent" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Selling_Agent" CHECK (length("Selling_Agent") <= 255),
    "Leasing_Company" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Leasing_Company" CHECK (length("Leasing_Company") <= 255),
    "Leasing_Contract_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Leasing_Contract_Number" CHECK (length("Leasing_Contract_Number") <= 255),
    "Leasing_StartDate" DATETIME,
    "Leasing_EndDate" DATETIME,
    "Leasing_Monthly_Amount" INTEGER CONSTRAINT "Leasing_Monthly_Amount" CHECK (typeof("Leasing_Monthly_Amount") IN ('integer', 'null') AND "Leasing_Monthly_Amount" BETWEEN -2147483648 AND 2147483647),
    "Cash_Payment" INTEGER CONSTRAINT "Cash_Payment" CHECK (typeof("Cash_Payment") IN ('integer', 'null') AND "Cash_Payment" BETWEEN -2147483648 AND 2147483647),
    "Maintenance_Agent" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Maintenance_Agent" CHECK (length("Maintenance_Agent") <= 255),
    "Maintenance_Contract_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Maintenance_Contract_Number" CHECK (length("Maintenance_Contract_Number") <= 255),
    "HUB_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "HUB_Name" CHECK (length("HUB_Name") <= 255)
);

CREATE TABLE "tbl_Pclist" (
    "MainKey" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "MainKey" CHECK (typeof("MainKey") IN ('integer', 'null') AND "MainKey" BETWEEN -32768 AND 32767),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Computer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Computer_Name" CHECK (length("Computer_Name") <= 255),
    "Workgroup" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Workgroup" CHECK (length("Workgroup") <= 255),
    "IPAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress" CHECK (length("IPAddress") <= 255),
    "MacAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "MacAddress" CHECK (length("MacAddress") <= 255),
    "IPAddress_16num" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress_16num" CHECK (length("IPAddress_16num") <= 255),
    "SysHD_Driveletter" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SysHD_Driveletter" CHECK (length("SysHD_Driveletter") <= 255),
    "Operating_System" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Operating_System" CHECK (length("Operating_System") <= 255),
    "ProductID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ProductID" CHECK (length("ProductID") <= 255),
    "OEM_Manufacturer" VARCHAR(255) COLLATE NOCASE CONSTRAINT "OEM_Manufacturer" CHECK (length("OEM_Manufacturer") <= 255),
    "OEM_Model" VARCHAR(255) COLLATE NOCASE CONSTRAINT "OEM_Model" CHECK (length("OEM_Model") <= 255),
    "IE_Version" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IE_Version" CHECK (length("IE_Version") <= 255),
    "IE_SP" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IE_SP" CHECK (length("IE_SP") <= 255),
    "Resolution" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Resolution" CHECK (length("Resolution") <= 255),
    "CPU_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_Name" CHECK (length("CPU_Name") <= 255),
    "CPU_ID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_ID" CHECK (length("CPU_ID") <= 255),
    "CPU_NameString" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_NameString" CHECK (length("CPU_NameString") <= 255),
    "CPU_SerialNumber" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_SerialNumber" CHECK (length("CPU_SerialNumber") <= 255),
    "CPU_Clock" INTEGER CONSTRAINT "CPU_Clock" CHECK (typeof("CPU_Clock") IN ('integer', 'null') AND "CPU_Clock" BETWEEN -2147483648 AND 2147483647),
    "CPU_Unit" INTEGER CONSTRAINT "CPU_Unit" CHECK (typeof("CPU_Unit") IN ('integer', 'null') AND "CPU_Unit" BETWEEN -2147483648 AND 2147483647),
    "CPU_Type" INTEGER CONSTRAINT "CPU_Type" CHECK (typeof("CPU_Type") IN ('integer', 'null') AND "CPU_Type" BETWEEN -2147483648 AND 2147483647),
    "CPU_Family" INTEGER CONSTRAINT "CPU_Family" CHECK (typeof("CPU_Family") IN ('integer', 'null') AND "CPU_Family" BETWEEN -2147483648 AND 2147483647),
    "CPU_Model" INTEGER CONSTRAINT "CPU_Model" CHECK (typeof("CPU_Model") IN ('integer', 'null') AND "CPU_Model" BETWEEN -2147483648 AND 2147483647),
    "CPU_Stepping" INTEGER CONSTRAINT "CPU_Stepping" CHECK (typeof("CPU_Stepping") IN ('integer', 'null') AND "CPU_Stepping" BETWEEN -2147483648 AND 2147483647),
    "UserName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "UserName" CHECK (length("UserName") <= 255),
    "HostsName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "HostsName" CHECK (length("HostsName") <= 255),
    "DomeinName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "DomeinName" CHECK (length("DomeinName") <= 255),
    "PC_Explanation" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PC_Explanation" CHECK (length("PC_Explanation") <= 255),
    "ProviderName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ProviderName" CHECK (length("ProviderName") <= 255),
    "AdapterName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "AdapterName" CHECK (length("AdapterName") <= 255),
    "SubnetMask" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SubnetMask" CHECK (length("SubnetMask") <= 255),
    "Gateway" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Gateway" CHECK (length("Gateway") <= 255),
    "DHCPServer" VARCHAR(255) COLLATE NOCASE CONSTRAINT "DHCPServer" CHECK (length("DHCPServer") <= 255),
    "PrimaryWINS" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PrimaryWINS" CHECK (length("PrimaryWINS") <= 255),
    "SecondaryWINS" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SecondaryWINS" CHECK (length("SecondaryWINS") <= 255),
    "PrimaryDNS" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PrimaryDNS" CHECK (length("PrimaryDNS") <= 255),
    "SecondaryDNS" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SecondaryDNS" CHECK (length("SecondaryDNS") <= 255),
    "Start_Page" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Start_Page" CHECK (length("Start_Page") <= 255),
    "ProductKey" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ProductKey" CHECK (length("ProductKey") <= 255),
    "UserPassword" VARCHAR(255) COLLATE NOCASE CONSTRAINT "UserPassword" CHECK (length("UserPassword") <= 255),
    "Version_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Version_Number" CHECK (length("Version_Number") <= 255),
    "ServicePack" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ServicePack" CHECK (length("ServicePack") <= 255),
    "Memory_Full" INTEGER CONSTRAINT "Memory_Full" CHECK (typeof("Memory_Full") IN ('integer', 'null') AND "Memory_Full" BETWEEN -2147483648 AND 2147483647),
    "Memory_Used" INTEGER CONSTRAINT "Memory_Used" CHECK (typeof("Memory_Used") IN ('integer', 'null') AND "Memory_Used" BETWEEN -2147483648 AND 2147483647),
    "Memory_Free" INTEGER CONSTRAINT "Memory_Free" CHECK (typeof("Memory_Free") IN ('integer', 'null') AND "Memory_Free" BETWEEN -2147483648 AND 2147483647),
    "SysHD_Full" INTEGER CONSTRAINT "SysHD_Full" CHECK (typeof("SysHD_Full") IN ('integer', 'null') AND "SysHD_Full" BETWEEN -2147483648 AND 2147483647),
    "SysHD_Used" INTEGER CONSTRAINT "SysHD_Used" CHECK (typeof("SysHD_Used") IN ('integer', 'null') AND "SysHD_Used" BETWEEN -2147483648 AND 2147483647),
    "SysHD_Free" INTEGER CONSTRAINT "SysHD_Free" CHECK (typeof("SysHD_Free") IN ('integer', 'null') AND "SysHD_Free" BETWEEN -2147483648 AND 2147483647),
    "Pagefile_Full" INTEGER CONSTRAINT "Pagefile_Full" CHECK (typeof("Pagefile_Full") IN ('integer', 'null') AND "Pagefile_Full" BETWEEN -2147483648 AND 2147483647),
    "Pagefile_Used" INTEGER CONSTRAINT "Pagefile_Used" CHECK (typeof("Pagefile_Used") IN ('integer', 'null') AND "Pagefile_Used" BETWEEN -2147483648 AND 2147483647),
    "Pagefile_Free" INTEGER CONSTRAINT "Pagefile_Free" CHECK (typeof("Pagefile_Free") IN ('integer', 'null') AND "Pagefile_Free" BETWEEN -2147483648 AND 2147483647),
    "Memory_Full_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Memory_Full_unit" CHECK (length("Memory_Full_unit") <= 255),
    "Memory_Used_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Memory_Used_unit" CHECK (length("Memory_Used_unit") <= 255),
    "Memory_Free_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Memory_Free_unit" CHECK (length("Memory_Free_unit") <= 255),
    "SysHD_Full_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SysHD_Full_unit" CHECK (length("SysHD_Full_unit") <= 255),
    "SysHD_Used_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SysHD_Used_unit" CHECK (length("SysHD_Used_unit") <= 255),
    "SysHD_Free_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SysHD_Free_unit" CHECK (length("SysHD_Free_unit") <= 255),
    "Pagefile_Full_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Pagefile_Full_unit" CHECK (length("Pagefile_Full_unit") <= 255),
    "Pagefile_Used_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Pagefile_Used_unit" CHECK (length("Pagefile_Used_unit") <= 255),
    "Pagefile_Free_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Pagefile_Free_unit" CHECK (length("Pagefile_Free_unit") <= 255),
    "CPU_L1_Instruction_Cache" INTEGER CONSTRAINT "CPU_L1_Instruction_Cache" CHECK (typeof("CPU_L1_Instruction_Cache") IN ('integer', 'null') AND "CPU_L1_Instruction_Cache" BETWEEN -2147483648 AND 2147483647),
    "CPU_L1_Data_Cache" INTEGER CONSTRAINT "CPU_L1_Data_Cache" CHECK (typeof("CPU_L1_Data_Cache") IN ('integer', 'null') AND "CPU_L1_Data_Cache" BETWEEN -2147483648 AND 2147483647),
    "CPU_L2_Cache" INTEGER CONSTRAINT "CPU_L2_Cache" CHECK (typeof("CPU_L2_Cache") IN ('integer', 'null') AND "CPU_L2_Cache" BETWEEN -2147483648 AND 2147483647),
    "CPU_L3_Cache" INTEGER CONSTRAINT "CPU_L3_Cache" CHECK (typeof("CPU_L3_Cache") IN ('integer', 'null') AND "CPU_L3_Cache" BETWEEN -2147483648 AND 2147483647),
    "CPU_L1_Trace_Cache" INTEGER CONSTRAINT "CPU_L1_Trace_Cache" CHECK (typeof("CPU_L1_Trace_Cache") IN ('integer', 'null') AND "CPU_L1_Trace_Cache" BETWEEN -2147483648 AND 2147483647),
    "CPU_L1_Instruction_Cache_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_L1_Instruction_Cache_unit" CHECK (length("CPU_L1_Instruction_Cache_unit") <= 255),
    "CPU_L1_Data_Cache_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_L1_Data_Cache_unit" CHECK (length("CPU_L1_Data_Cache_unit") <= 255),
    "CPU_L2_Cache_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_L2_Cache_unit" CHECK (length("CPU_L2_Cache_unit") <= 255),
    "CPU_L3_Cache_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_L3_Cache_unit" CHECK (length("CPU_L3_Cache_unit") <= 255),
    "CPU_L1_Trace_Cache_unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_L1_Trace_Cache_unit" CHECK (length("CPU_L1_Trace_Cache_unit") <= 255),
    "CPU_FPU" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_FPU" CHECK (length("CPU_FPU") <= 255),
    "CPU_VME" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_VME" CHECK (length("CPU_VME") <= 255),
    "CPU_DE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_DE" CHECK (length("CPU_DE") <= 255),
    "CPU_PSE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PSE" CHECK (length("CPU_PSE") <= 255),
    "CPU_TSC" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_TSC" CHECK (length("CPU_TSC") <= 255),
    "CPU_MSR" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MSR" CHECK (length("CPU_MSR") <= 255),
    "CPU_PAE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PAE" CHECK (length("CPU_PAE") <= 255),
    "CPU_MCE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MCE" CHECK (length("CPU_MCE") <= 255),
    "CPU_CX8" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_CX8" CHECK (length("CPU_CX8") <= 255),
    "CPU_APIC" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_APIC" CHECK (length("CPU_APIC") <= 255),
    "CPU_SEP" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_SEP" CHECK (length("CPU_SEP") <= 255),
    "CPU_MTRR" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MTRR" CHECK (length("CPU_MTRR") <= 255),
    "CPU_PGE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PGE" CHECK (length("CPU_PGE") <= 255),
    "CPU_MCA" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MCA" CHECK (length("CPU_MCA") <= 255),
    "CPU_CMOV" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_CMOV" CHECK (length("CPU_CMOV") <= 255),
    "CPU_PAT" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PAT" CHECK (length("CPU_PAT") <= 255),
    "CPU_PSE36" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PSE36" CHECK (length("CPU_PSE36") <= 255),
    "CPU_PSN" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_PSN" CHECK (length("CPU_PSN") <= 255),
    "CPU_MMX" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MMX" CHECK (length("CPU_MMX") <= 255),
    "CPU_FXSR" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_FXSR" CHECK (length("CPU_FXSR") <= 255),
    "CPU_SSE" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_SSE" CHECK (length("CPU_SSE") <= 255),
    "CPU_SSE2" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_SSE2" CHECK (length("CPU_SSE2") <= 255),
    "CPU_HTT" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_HTT" CHECK (length("CPU_HTT") <= 255),
    "CPU_TM" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_TM" CHECK (length("CPU_TM") <= 255),
    "CPU_3DNow" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_3DNow" CHECK (length("CPU_3DNow") <= 255),
    "CPU_3DNowEx" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_3DNowEx" CHECK (length("CPU_3DNowEx") <= 255),
    "CPU_SSE3" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_SSE3" CHECK (length("CPU_SSE3") <= 255),
    "CPU_MONITOR" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_MONITOR" CHECK (length("CPU_MONITOR") <= 255),
    "CPU_DSCPL" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_DSCPL" CHECK (length("CPU_DSCPL") <= 255),
    "CPU_EST" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_EST" CHECK (length("CPU_EST") <= 255),
    "CPU_TM2" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_TM2" CHECK (length("CPU_TM2") <= 255),
    "CPU_CID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "CPU_CID" CHECK (length("CPU_CID") <= 255),
    "Internet_Connection" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Internet_Connection" CHECK (length("Internet_Connection") <= 255),
    "Modem_Connection" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Modem_Connection" CHECK (length("Modem_Connection") <= 255),
    "LAN_Connection" VARCHAR(255) COLLATE NOCASE CONSTRAINT "LAN_Connection" CHECK (length("LAN_Connection") <= 255),
    "PROXY_Connection" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PROXY_Connection" CHECK (length("PROXY_Connection") <= 255),
    "OfflineMode" VARCHAR(255) COLLATE NOCASE CONSTRAINT "OfflineMode" CHECK (length("OfflineMode") <= 255),
    "RASInstalled" VARCHAR(255) COLLATE NOCASE CONSTRAINT "RASInstalled" CHECK (length("RASInstalled") <= 255),
    "Floppydisk_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Floppydisk_Drive" CHECK (length("Floppydisk_Drive") <= 255),
    "Cdrom_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Cdrom_Drive" CHECK (length("Cdrom_Drive") <= 255),
    "DVD_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "DVD_Drive" CHECK (length("DVD_Drive") <= 255),
    "Cdr_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Cdr_Drive" CHECK (length("Cdr_Drive") <= 255),
    "Mo_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Mo_Drive" CHECK (length("Mo_Drive") <= 255),
    "Combo_Drive" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Combo_Drive" CHECK (length("Combo_Drive") <= 255)
);

CREATE TABLE "tbl_Section" (
    "Section_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Section_Code" CHECK (typeof("Section_Code") IN ('integer', 'null') AND "Section_Code" BETWEEN -32768 AND 32767),
    "Section_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Section_Name" CHECK (length("Section_Name") <= 255),
    "Section_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Section_Comment" CHECK (length("Section_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255)
);

CREATE TABLE "tbl_Division" (
    "Division_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Division_Code" CHECK (typeof("Division_Code") IN ('integer', 'null') AND "Division_Code" BETWEEN -32768 AND 32767),
    "Division_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Division_Name" CHECK (length("Division_Name") <= 255),
    "Division_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Division_Comment" CHECK (length("Division_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255)
);

CREATE TABLE "tbl_Location" (
    "Location_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Location_Code" CHECK (typeof("Location_Code") IN ('integer', 'null') AND "Location_Code" BETWEEN -32768 AND 32767),
    "Location_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Location_Name" CHECK (length("Location_Name") <= 255),
    "Location_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Location_Comment" CHECK (length("Location_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255)
);

CREATE TABLE "tbl_Manufacturer" (
    "Manufacturer_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Manufacturer_Code" CHECK (typeof("Manufacturer_Code") IN ('integer', 'null') AND "Manufacturer_Code" BETWEEN -32768 AND 32767),
    "Manufacturer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Manufacturer_Name" CHECK (length("Manufacturer_Name") <= 255),
    "Manufacturer_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Manufacturer_Comment" CHECK (length("Manufacturer_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255)
);

CREATE TABLE "tbl_Model" (
    "Model_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Model_Code" CHECK (typeof("Model_Code") IN ('integer', 'null') AND "Model_Code" BETWEEN -32768 AND 32767),
    "Model_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Model_Name" CHECK (length("Model_Name") <= 255),
    "Model_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Model_Comment" CHECK (length("Model_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255)
);

CREATE TABLE "tbl_User" (
    "User_Code" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "User_Code" CHECK (typeof("User_Code") IN ('integer', 'null') AND "User_Code" BETWEEN -32768 AND 32767),
    "User_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "User_Name" CHECK (length("User_Name") <= 255),
    "User_Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "User_Comment" CHECK (length("User_Comment") <= 255),
    "Available_flug" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Available_flug" CHECK (length("Available_flug") <= 255),
    "kana" VARCHAR(255) COLLATE NOCASE CONSTRAINT "kana" CHECK (length("kana") <= 255),
    "Employee_SerialNumber" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Employee_SerialNumber" CHECK (length("Employee_SerialNumber") <= 255),
    "Acount_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Acount_Name" CHECK (length("Acount_Name") <= 255),
    "logon_Password" VARCHAR(255) COLLATE NOCASE CONSTRAINT "logon_Password" CHECK (length("logon_Password") <= 255),
    "Section_Code" SMALLINT CONSTRAINT "Section_Code" CHECK (typeof("Section_Code") IN ('integer', 'null') AND "Section_Code" BETWEEN -32768 AND 32767),
    "Division_Code" SMALLINT CONSTRAINT "Division_Code" CHECK (typeof("Division_Code") IN ('integer', 'null') AND "Division_Code" BETWEEN -32768 AND 32767)
);

CREATE TABLE "tbl_ApplicationsList" (
    "Key" SMALLINT CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Application_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Application_Name" CHECK (length("Application_Name") <= 255),
    "Application_Version" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Application_Version" CHECK (length("Application_Version") <= 255),
    "Application_Path" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Application_Path" CHECK (length("Application_Path") <= 255)
);
-- The application list counts and looks up by name: read in name order from here, its count needs no sort
-- of every installed application (2.5 times quicker over 2,560 PCs).
CREATE INDEX "tbl_ApplicationsList_Application_Name" ON "tbl_ApplicationsList" ("Application_Name", "Key");

CREATE TABLE "tbl_Device_Management" (
    "Key" SMALLINT CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Device_Category" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Device_Category" CHECK (length("Device_Category") <= 255),
    "Device_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Device_Name" CHECK (length("Device_Name") <= 255),
    "Device_Provider" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Device_Provider" CHECK (length("Device_Provider") <= 255),
    "Device_Version" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Device_Version" CHECK (length("Device_Version") <= 255)
);

CREATE TABLE "tbl_Printer_Management" (
    "Key" SMALLINT CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Printer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Printer_Name" CHECK (length("Printer_Name") <= 255),
    "PrinterPorts_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PrinterPorts_Name" CHECK (length("PrinterPorts_Name") <= 255),
    "Printer_Driver_Version" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Printer_Driver_Version" CHECK (length("Printer_Driver_Version") <= 255)
);

CREATE TABLE "tbl_Environmental" (
    "Key" SMALLINT CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Update" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Update" CHECK (length("Update") <= 255),
    "Environmental_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Environmental_Name" CHECK (length("Environmental_Name") <= 255),
    "Environmental_Path" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Environmental_Path" CHECK (length("Environmental_Path") <= 255),
    "Coments" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Coments" CHECK (length("Coments") <= 255)
);

CREATE TABLE "tbl_License_Key" (
    "Key" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Application_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Application_Name" CHECK (length("Application_Name") <= 255),
    "Unit_Num" INTEGER CONSTRAINT "Unit_Num" CHECK (typeof("Unit_Num") IN ('integer', 'null') AND "Unit_Num" BETWEEN -2147483648 AND 2147483647)
);

CREATE TABLE "tbl_License_Dat" (
    "Key" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Application_Code" SMALLINT CONSTRAINT "Application_Code" CHECK (typeof("Application_Code") IN ('integer', 'null') AND "Application_Code" BETWEEN -32768 AND 32767),
    "Computer_Code" SMALLINT CONSTRAINT "Computer_Code" CHECK (typeof("Computer_Code") IN ('integer', 'null') AND "Computer_Code" BETWEEN -32768 AND 32767),
    "ProductID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ProductID" CHECK (length("ProductID") <= 255),
    "Licence_No" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Licence_No" CHECK (length("Licence_No") <= 255),
    "Install_Key" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Install_Key" CHECK (length("Install_Key") <= 255),
    "Payment_Type" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Payment_Type" CHECK (length("Payment_Type") <= 255),
    "Asset_Type" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Asset_Type" CHECK (length("Asset_Type") <= 255),
    "Purchase_Price" INTEGER CONSTRAINT "Purchase_Price" CHECK (typeof("Purchase_Price") IN ('integer', 'null') AND "Purchase_Price" BETWEEN -2147483648 AND 2147483647),
    "Comment" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Comment" CHECK (length("Comment") <= 255),
    "Update" DATETIME
);

CREATE TABLE "tbl_Mail_Management" (
    "Key" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "User_Code" SMALLINT CONSTRAINT "User_Code" CHECK (typeof("User_Code") IN ('integer', 'null') AND "User_Code" BETWEEN -32768 AND 32767),
    "Conputer_Code" SMALLINT CONSTRAINT "Conputer_Code" CHECK (typeof("Conputer_Code") IN ('integer', 'null') AND "Conputer_Code" BETWEEN -32768 AND 32767),
    "beat_loginID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "beat_loginID" CHECK (length("beat_loginID") <= 255),
    "beat_loginPassward" VARCHAR(255) COLLATE NOCASE CONSTRAINT "beat_loginPassward" CHECK (length("beat_loginPassward") <= 255),
    "Windows_UserName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Windows_UserName" CHECK (length("Windows_UserName") <= 255),
    "Mail_Address" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Mail_Address" CHECK (length("Mail_Address") <= 255),
    "SMTP_IPAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SMTP_IPAddress" CHECK (length("SMTP_IPAddress") <= 255),
    "POP3_IPAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "POP3_IPAddress" CHECK (length("POP3_IPAddress") <= 255),
    "Mailbox_AccountName" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Mailbox_AccountName" CHECK (length("Mailbox_AccountName") <= 255),
    "Mailbox_Password" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Mailbox_Password" CHECK (length("Mailbox_Password") <= 255)
);

CREATE TABLE "tbl_NetworkUnit" (
    "Key" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Location_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Location_Name" CHECK (length("Location_Name") <= 255),
    "User_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "User_Name" CHECK (length("User_Name") <= 255),
    "Computer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Computer_Name" CHECK (length("Computer_Name") <= 255),
    "WorkGroup" VARCHAR(255) COLLATE NOCASE CONSTRAINT "WorkGroup" CHECK (length("WorkGroup") <= 255),
    "IPAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress" CHECK (length("IPAddress") <= 255),
    "IPAddress_16num" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress_16num" CHECK (length("IPAddress_16num") <= 255),
    "MacAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "MacAddress" CHECK (length("MacAddress") <= 255),
    "Manufacturer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Manufacturer_Name" CHECK (length("Manufacturer_Name") <= 255),
    "Model_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Model_Name" CHECK (length("Model_Name") <= 255),
    "Type_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Type_Number" CHECK (length("Type_Number") <= 255),
    "Sereals_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Sereals_Number" CHECK (length("Sereals_Number") <= 255),
    "ID" VARCHAR(255) COLLATE NOCASE CONSTRAINT "ID" CHECK (length("ID") <= 255),
    "PassWord" VARCHAR(255) COLLATE NOCASE CONSTRAINT "PassWord" CHECK (length("PassWord") <= 255),
    "Deleted_Flug" SMALLINT DEFAULT 0 CONSTRAINT "Deleted_Flug" CHECK (typeof("Deleted_Flug") IN ('integer', 'null') AND "Deleted_Flug" BETWEEN -32768 AND 32767)
);

CREATE TABLE "tbl_NetworkList" (
    "Key" SMALLINT NOT NULL PRIMARY KEY CONSTRAINT "Key" CHECK (typeof("Key") IN ('integer', 'null') AND "Key" BETWEEN -32768 AND 32767),
    "Location_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Location_Name" CHECK (length("Location_Name") <= 255),
    "User_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "User_Name" CHECK (length("User_Name") <= 255),
    "Computer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Computer_Name" CHECK (length("Computer_Name") <= 255),
    "WorkGroup" VARCHAR(255) COLLATE NOCASE CONSTRAINT "WorkGroup" CHECK (length("WorkGroup") <= 255),
    "IPAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress" CHECK (length("IPAddress") <= 255),
    "IPAddress_16num" VARCHAR(255) COLLATE NOCASE CONSTRAINT "IPAddress_16num" CHECK (length("IPAddress_16num") <= 255),
    "Manufacturer_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Manufacturer_Name" CHECK (length("Manufacturer_Name") <= 255),
    "Model_Name" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Model_Name" CHECK (length("Model_Name") <= 255),
    "Type_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Type_Number" CHECK (length("Type_Number") <= 255),
    "Sereals_Number" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Sereals_Number" CHECK (length("Sereals_Number") <= 255),
    "MacAddress" VARCHAR(255) COLLATE NOCASE CONSTRAINT "MacAddress" CHECK (length("MacAddress") <= 255)
);

CREATE TABLE "tbl_ReadCsv" (
    "Key" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Key" CHECK (length("Key") <= 255),
    "Group" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Group" CHECK (length("Group") <= 255),
    "Item" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Item" CHECK (length("Item") <= 255),
    "SubItem" VARCHAR(255) COLLATE NOCASE CONSTRAINT "SubItem" CHECK (length("SubItem") <= 255),
    "Contents" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Contents" CHECK (length("Contents") <= 255),
    "Unit" VARCHAR(255) COLLATE NOCASE CONSTRAINT "Unit" CHECK (length("Unit") <= 255),
    "Renewalday" TEXT COLLATE NOCASE
);

CREATE TRIGGER "tbl_Computer_List_Leasing_StartDate_insert" AFTER INSERT ON "tbl_Computer_List"
    WHEN NEW."Leasing_StartDate" IS NOT NULL AND NEW."Leasing_StartDate" IS NOT jet_date(NEW."Leasing_StartDate")
BEGIN
    UPDATE "tbl_Computer_List" SET "Leasing_StartDate" = jet_date("Leasing_StartDate") WHERE rowid = NEW.rowid;
END;

CREATE TRIGGER "tbl_Computer_List_Leasing_StartDate_update" AFTER UPDATE OF "Leasing_StartDate" ON "tbl_Computer_List"
    WHEN NEW."Leasing_StartDate" IS NOT NULL AND NEW."Leasing_StartDate" IS NOT jet_date(NEW."Leasing_StartDate")
BEGIN
    UPDATE "tbl_Computer_List" SET "Leasing_StartDate" = jet_date("Leasing_StartDate") WHERE rowid = NEW.rowid;
END;

CREATE TRIGGER "tbl_Computer_List_Leasing_EndDate_insert" AFTER INSERT ON "tbl_Computer_List"
    WHEN NEW."Leasing_EndDate" IS NOT NULL AND NEW."Leasing_EndDate" IS NOT jet_date(NEW."Leasing_EndDate")
BEGIN
    UPDATE "tbl_Computer_List" SET "Leasing_EndDate" = jet_date("Leasing_EndDate") WHERE rowid = NEW.rowid;
END;

CREATE TRIGGER "tbl_Computer_List_Leasing_EndDate_update" AFTER UPDATE OF "Leasing_EndDate" ON "tbl_Computer_List"
    WHEN NEW."Leasing_EndDate" IS NOT NULL AND NEW."Leasing_EndDate" IS NOT jet_date(NEW."Leasing_EndDate")
BEGIN
    UPDATE "tbl_Computer_List" SET "Leasing_EndDate" = jet_date("Leasing_EndDate") WHERE rowid = NEW.rowid;
END;

CREATE TRIGGER "tbl_License_Dat_Update_insert" AFTER INSERT ON "tbl_License_Dat"
    WHEN NEW."Update" IS NOT NULL AND NEW."Update" IS NOT jet_date(NEW."Update")
BEGIN
    UPDATE "tbl_License_Dat" SET "Update" = jet_date("Update") WHERE rowid = NEW.rowid;
END;

CREATE TRIGGER "tbl_License_Dat_Update_update" AFTER UPDATE OF "Update" ON "tbl_License_Dat"
    WHEN NEW."Update" IS NOT NULL AND NEW."Update" IS NOT jet_date(NEW."Update")
BEGIN
    UPDATE "tbl_License_Dat" SET "Update" = jet_date("Update") WHERE rowid = NEW.rowid;
END;

-- Reserved rows: code 0 is the "none" entry of every master table and of the users, in use.
INSERT INTO "tbl_Section" ("Section_Code", "Section_Name", "Section_Comment", "Available_flug") VALUES (0, '', '', '0');
INSERT INTO "tbl_Division" ("Division_Code", "Division_Name", "Division_Comment", "Available_flug") VALUES (0, '', '', '0');
INSERT INTO "tbl_Location" ("Location_Code", "Location_Name", "Location_Comment", "Available_flug") VALUES (0, '', '', '0');
INSERT INTO "tbl_Manufacturer" ("Manufacturer_Code", "Manufacturer_Name", "Manufacturer_Comment", "Available_flug") VALUES (0, '', '', '0');
INSERT INTO "tbl_Model" ("Model_Code", "Model_Name", "Model_Comment", "Available_flug") VALUES (0, '', '', '0');
INSERT INTO "tbl_User" ("User_Code", "User_Name", "User_Comment", "Available_flug", "kana",
    "Employee_SerialNumber", "Acount_Name", "logon_Password", "Section_Code", "Division_Code")
    VALUES (0, '', '', '0', '', '', '', '', 0, 0);
-- The "none" PC that new mail accounts point at; no list shows it.
INSERT INTO "tbl_Computer_List" ("MainKey", "Location_Code", "User_Code", "Manufacturer_Code", "Model_Code",
    "Deleted_Flug") VALUES (0, 0, 0, 0, 0, 0);
INSERT INTO "tbl_Pclist" ("MainKey") VALUES (0);
