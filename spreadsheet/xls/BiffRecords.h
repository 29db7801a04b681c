#pragma once

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls::record {

// BIFF record identifiers that the reader and writer handle.
inline constexpr std::uint16_t Formula = 0x0006;
inline constexpr std::uint16_t Eof = 0x000A;
inline constexpr std::uint16_t Selection = 0x001D;
inline constexpr std::uint16_t DateMode = 0x0022;
inline constexpr std::uint16_t FilePass = 0x002F;
inline constexpr std::uint16_t Font = 0x0031;
inline constexpr std::uint16_t Continue = 0x003C;
inline constexpr std::uint16_t Window1 = 0x003D;
inline constexpr std::uint16_t Pane = 0x0041;
inline constexpr std::uint16_t CodePage = 0x0042;
inline constexpr std::uint16_t BoundSheet = 0x0085;
inline constexpr std::uint16_t MulRk = 0x00BD;
inline constexpr std::uint16_t MulBlank = 0x00BE;
inline constexpr std::uint16_t RString = 0x00D6;
inline constexpr std::uint16_t Xf = 0x00E0;
inline constexpr std::uint16_t Sst = 0x00FC;
inline constexpr std::uint16_t LabelSst = 0x00FD;
inline constexpr std::uint16_t ExtSst = 0x00FF;
inline constexpr std::uint16_t Dimensions = 0x0200;
inline constexpr std::uint16_t Blank = 0x0201;
inline constexpr std::uint16_t Number = 0x0203;
inline constexpr std::uint16_t Label = 0x0204;
inline constexpr std::uint16_t BoolErr = 0x0205;
inline constexpr std::uint16_t String = 0x0207;
inline constexpr std::uint16_t Row = 0x0208;
inline constexpr std::uint16_t Window2 = 0x023E;
inline constexpr std::uint16_t Rk = 0x027E;
inline constexpr std::uint16_t Style = 0x0293;
inline constexpr std::uint16_t Bof = 0x0809;
inline constexpr std::uint16_t Precision = 0x000E;
inline constexpr std::uint16_t BookBool = 0x00DA;

// Formats and the rest of the workbook globals.
inline constexpr std::uint16_t Format = 0x041E;
inline constexpr std::uint16_t Palette = 0x0092;
inline constexpr std::uint16_t ExternSheet = 0x0017;
inline constexpr std::uint16_t Name = 0x0018;
inline constexpr std::uint16_t SupBook = 0x01AE;
inline constexpr std::uint16_t TabId = 0x013D;
inline constexpr std::uint16_t Dsf = 0x0161;
inline constexpr std::uint16_t RecalcId = 0x01C1;
inline constexpr std::uint16_t ObProj = 0x00D3;
inline constexpr std::uint16_t WriteAccess = 0x005C;
inline constexpr std::uint16_t BackUp = 0x0040;
inline constexpr std::uint16_t HideObj = 0x008D;
inline constexpr std::uint16_t Country = 0x008C;

// Sheet settings: calculation, printing, columns, protection, view.
inline constexpr std::uint16_t CalcCount = 0x000C;
inline constexpr std::uint16_t CalcMode = 0x000D;
inline constexpr std::uint16_t RefMode = 0x000F;
inline constexpr std::uint16_t Delta = 0x0010;
inline constexpr std::uint16_t Iteration = 0x0011;
inline constexpr std::uint16_t Protect = 0x0012;
inline constexpr std::uint16_t Password = 0x0013;
inline constexpr std::uint16_t Header = 0x0014;
inline constexpr std::uint16_t Footer = 0x0015;
inline constexpr std::uint16_t WindowProtect = 0x0019;
inline constexpr std::uint16_t LeftMargin = 0x0026;
inline constexpr std::uint16_t RightMargin = 0x0027;
inline constexpr std::uint16_t TopMargin = 0x0028;
inline constexpr std::uint16_t BottomMargin = 0x0029;
inline constexpr std::uint16_t PrintHeaders = 0x002A;
inline constexpr std::uint16_t PrintGridLines = 0x002B;
inline constexpr std::uint16_t DefColWidth = 0x0055;
inline constexpr std::uint16_t SaveRecalc = 0x005F;
inline constexpr std::uint16_t ObjectProtect = 0x0063;
inline constexpr std::uint16_t ColInfo = 0x007D;
inline constexpr std::uint16_t Guts = 0x0080;
inline constexpr std::uint16_t WsBool = 0x0081;
inline constexpr std::uint16_t GridSet = 0x0082;
inline constexpr std::uint16_t HCenter = 0x0083;
inline constexpr std::uint16_t VCenter = 0x0084;
inline constexpr std::uint16_t StandardWidth = 0x0099;
inline constexpr std::uint16_t Scl = 0x00A0;
inline constexpr std::uint16_t Setup = 0x00A1;
inline constexpr std::uint16_t ScenProtect = 0x00DD;
inline constexpr std::uint16_t MergedCells = 0x00E5;
inline constexpr std::uint16_t DefaultRowHeight = 0x0225;

// The cell table and its lookup records.
inline constexpr std::uint16_t Index = 0x020B;
inline constexpr std::uint16_t DbCell = 0x00D7;
inline constexpr std::uint16_t ShrFmla = 0x04BC;
inline constexpr std::uint16_t Array = 0x0221;
inline constexpr std::uint16_t Table = 0x0236;

// Drawings, comments, pictures and embedded objects.
inline constexpr std::uint16_t Note = 0x001C;
inline constexpr std::uint16_t Obj = 0x005D;
inline constexpr std::uint16_t ImData = 0x007F;
inline constexpr std::uint16_t MsoDrawingGroup = 0x00EB;
inline constexpr std::uint16_t MsoDrawing = 0x00EC;
inline constexpr std::uint16_t MsoDrawingSelection = 0x00ED;
inline constexpr std::uint16_t Txo = 0x01B6;

// Older BOF identifiers (BIFF2 to BIFF4): files too old to read.
inline constexpr std::uint16_t Bof2 = 0x0009;
inline constexpr std::uint16_t Bof3 = 0x0209;
inline constexpr std::uint16_t Bof4 = 0x0409;

// The largest record body Excel 97 writes; longer data goes on in CONTINUE records.
inline constexpr std::size_t MaxRecordData = 8224;

}  // namespace spreadsheet::xls::record
