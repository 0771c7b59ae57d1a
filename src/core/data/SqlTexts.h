#pragma once

// Every SQL statement the system issues, in SQLite's dialect. Each keeps the
// meaning of the statement it stands for: Yes/No columns hold -1 and 0, text
// orders compare without regard to case (as the original engine did), and
// %1, %2 mark the table or column names put in (checked identifiers only).

namespace Sql {

// Main database.
inline constexpr char PraBrowse[] = "select * from pra order by name collate nocase;";
inline constexpr char ApplicationBrowse[] = "select * from application order by readonly, name collate nocase;";
inline constexpr char ApplicationLoad[] = "select * from application order by name collate nocase;";
inline constexpr char AquaticList[] = "select * from sc_aquatic order by name collate nocase;";
inline constexpr char TerrestrialList[] = "select * from sc_terrestrial order by name collate nocase;";
inline constexpr char GroundwaterList[] = "select * from sc_groundwater order by name collate nocase;";
inline constexpr char DietaryList[] = "select * from sc_dietary order by name collate nocase;";
inline constexpr char BeesList[] = "select * from sc_bees order by name collate nocase;";
inline constexpr char NTAList[] = "select * from sc_nta order by name collate nocase;";
inline constexpr char SorelMeta[] = "select [set] || ' : ' || region AS label, * from sorel_meta\n"
                                    "order by [set] collate nocase, region collate nocase;";
inline constexpr char VariableCatalogue[] =
    "SELECT * FROM variable WHERE type <> '' ORDER BY type, topic, name collate nocase";
inline constexpr char VariableGrid[] = "SELECT * FROM variable WHERE type <> '' order by name collate nocase;";
inline constexpr char AddColumn[] = "ALTER TABLE %1 ADD COLUMN [%2] %3 ;";

// AI database.
inline constexpr char PesticideBrowse[] =
    "SELECT ai_name AS name, casnr AS descr, * FROM %1 ORDER BY readonly, ai_name collate nocase;";
inline constexpr char PesticideProbe[] = "SELECT * FROM %1;";
// Yes/No columns of the original engine are never NULL: the rows already
// there read as false, so they list after the protected placeholder.
inline constexpr char PesticideAddReadonly[] = "ALTER TABLE %1 ADD COLUMN readonly BIT DEFAULT 0;";
inline constexpr char PesticideInsertPlaceholder[] =
    "INSERT INTO %1 (AI_NAME, CASNR, readonly) VALUES ('<select pesticide>', 'Default empty item. Do not remove.',-1);";
inline constexpr char PesticideBackup[] = "CREATE TABLE %1 AS SELECT * FROM %2 WHERE 1 = 1;";
inline constexpr char PesticideRestoreSource[] =
    "SELECT ai_name AS name, casnr AS descr, * FROM %1 ORDER BY ai_name collate nocase;";
inline constexpr char PesticideList[] = "SELECT ID, AI_NAME, CASNR FROM EXPORT_0;";

// Tavex result database: one application case per location, farm, plot,
// crop, pesticide and plot area. DT is the mean interval in days between the
// applications of a case, NULL for a single application.
inline constexpr char TavexCases[] =
    "SELECT FLOW_PESTICIDE_AI.LOC3NAME AS location, FLOW_PESTICIDE_AI.AECODE AS farm, FLOW_PESTICIDE_AI.LA AS PLOT, "
    "FLOW_PESTICIDE_AI.CROP1 AS CROP, FLOW_PESTICIDE_AI.AIID AS pesticide_id, FLOW_PESTICIDE_AI.AINAME AS pesticide, "
    "Sum([AIQUANT])/([AREAM2]/10000.0) AS MSTACKED, "
    "(Sum([AIQUANT])/([AREAM2]/10000.0))/Count([AEID]) AS M, "
    "Count(FLOW_PESTICIDE_AI.AEID) AS N, "
    "CASE WHEN Count(FLOW_PESTICIDE_AI.AEID)>1 "
    "THEN (julianday(Max([DATE]))-julianday(Min([DATE])))/(Count(FLOW_PESTICIDE_AI.AEID)-1) ELSE Null END AS DT "
    "FROM FLOW_PESTICIDE_AI GROUP BY FLOW_PESTICIDE_AI.LOC3NAME, FLOW_PESTICIDE_AI.AECODE, FLOW_PESTICIDE_AI.LA, "
    "FLOW_PESTICIDE_AI.CROP1, FLOW_PESTICIDE_AI.AIID, FLOW_PESTICIDE_AI.AINAME, FLOW_PESTICIDE_AI.AREAM2;";
// The batch template's sheet, read into a table of that name.
inline constexpr char TemplateCases[] = "SELECT * FROM [ApplicationScenarios$];";

// The in-memory table of the selected cases of a batch run.
inline constexpr char BatchTable[] =
    "CREATE TABLE batch (location VARCHAR(30), farm VARCHAR(15), plot VARCHAR(10), crop VARCHAR(30), "
    "pesticide VARCHAR(50), pe_id INTEGER, mstacked REAL, m REAL, n REAL, dt REAL, drift REAL, driftditch REAL, "
    "ap_id INTEGER, aq_id INTEGER, te_id INTEGER, be_id INTEGER, nt_id INTEGER, gw_id INTEGER, di_id INTEGER)";
inline constexpr char BatchSelect[] = "SELECT * FROM batch";

} // namespace Sql
