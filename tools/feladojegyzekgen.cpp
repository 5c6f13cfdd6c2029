// Writes the empty posting-list sheet (Feladójegyzéküres.xlsx): a title row, the sender's name
// and address, a header row repeated on every printed page and numbered rows for the
// addressees, A4 landscape, one page wide. Usage: feladojegyzekgen <output.xlsx>
#include <xlsxwriter.h>

#include <cstdio>

namespace {

constexpr int kSorok = 40;      // numbered rows
constexpr int kFejlecSor = 4;   // the header row (from 0)

struct Oszlop {
  const char* fejlec;
  double szeles;  // characters
};
constexpr Oszlop kOszlopok[] = {
    {"Sorszám", 8},        {"Címzett neve", 32},       {"Irányítószám", 12}, {"Helység", 22},
    {"Utca, házszám", 30}, {"Küldeményazonosító", 20}, {"Megjegyzés", 24},
};
constexpr int kOszlopSzam = int(sizeof kOszlopok / sizeof kOszlopok[0]);

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "használat: feladojegyzekgen <kimenet.xlsx>\n");
    return 2;
  }
  lxw_workbook* wb = workbook_new(argv[1]);
  if (!wb) {
    std::fprintf(stderr, "%s: nem hozható létre\n", argv[1]);
    return 1;
  }
  char cimSzoveg[] = "Feladójegyzék";
  lxw_doc_properties tulajdonsagok{};
  tulajdonsagok.title = cimSzoveg;
  workbook_set_properties(wb, &tulajdonsagok);
  lxw_worksheet* ws = workbook_add_worksheet(wb, "Feladójegyzék");

  lxw_format* cim = workbook_add_format(wb);
  format_set_bold(cim);
  format_set_font_size(cim, 16);
  format_set_align(cim, LXW_ALIGN_CENTER);
  lxw_format* cimke = workbook_add_format(wb);
  format_set_bold(cimke);
  lxw_format* kitoltendo = workbook_add_format(wb);
  format_set_bottom(kitoltendo, LXW_BORDER_THIN);
  lxw_format* fejlec = workbook_add_format(wb);
  format_set_bold(fejlec);
  format_set_text_wrap(fejlec);
  format_set_align(fejlec, LXW_ALIGN_CENTER);
  format_set_align(fejlec, LXW_ALIGN_VERTICAL_CENTER);
  format_set_border(fejlec, LXW_BORDER_THIN);
  format_set_bg_color(fejlec, 0xD9D9D9);
  lxw_format* sorszam = workbook_add_format(wb);
  format_set_border(sorszam, LXW_BORDER_THIN);
  format_set_align(sorszam, LXW_ALIGN_CENTER);
  format_set_align(sorszam, LXW_ALIGN_VERTICAL_CENTER);
  lxw_format* cella = workbook_add_format(wb);
  format_set_border(cella, LXW_BORDER_THIN);
  format_set_align(cella, LXW_ALIGN_VERTICAL_CENTER);
  // The postcode and the item identifier are texts: leading zeros stay.
  lxw_format* szoveg = workbook_add_format(wb);
  format_set_border(szoveg, LXW_BORDER_THIN);
  format_set_align(szoveg, LXW_ALIGN_VERTICAL_CENTER);
  format_set_num_format(szoveg, "@");

  for (int c = 0; c < kOszlopSzam; ++c) worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(c), kOszlopok[c].szeles, nullptr);

  const lxw_col_t utolso = lxw_col_t(kOszlopSzam - 1);
  worksheet_set_row(ws, 0, 24, nullptr);
  worksheet_merge_range(ws, 0, 0, 0, utolso, "Feladójegyzék", cim);
  worksheet_write_string(ws, 1, 0, "Feladó neve:", cimke);
  worksheet_merge_range(ws, 1, 1, 1, 4, "", kitoltendo);
  worksheet_write_string(ws, 2, 0, "Feladó címe:", cimke);
  worksheet_merge_range(ws, 2, 1, 2, 4, "", kitoltendo);

  worksheet_set_row(ws, kFejlecSor, 30, nullptr);
  for (int c = 0; c < kOszlopSzam; ++c) worksheet_write_string(ws, kFejlecSor, lxw_col_t(c), kOszlopok[c].fejlec, fejlec);
  for (int i = 1; i <= kSorok; ++i) {
    const lxw_row_t r = lxw_row_t(kFejlecSor + i);
    worksheet_set_row(ws, r, 20, nullptr);
    worksheet_write_number(ws, r, 0, i, sorszam);
    for (int c = 1; c < kOszlopSzam; ++c)
      worksheet_write_blank(ws, r, lxw_col_t(c), (c == 2 || c == 5) ? szoveg : cella);
  }
  worksheet_freeze_panes(ws, kFejlecSor + 1, 0);

  // Print set-up: A4 landscape, one page wide, the header row on every page, page numbers.
  worksheet_set_paper(ws, 9);
  worksheet_set_landscape(ws);
  worksheet_set_margins(ws, 0.4, 0.4, 0.5, 0.6);
  worksheet_repeat_rows(ws, kFejlecSor, kFejlecSor);
  worksheet_print_area(ws, 0, 0, lxw_row_t(kFejlecSor + kSorok), utolso);
  worksheet_fit_to_pages(ws, 1, 0);
  worksheet_set_footer(ws, "&C&P. oldal");

  const lxw_error e = workbook_close(wb);
  if (e != LXW_NO_ERROR) {
    std::fprintf(stderr, "%s: %s\n", argv[1], lxw_strerror(e));
    std::remove(argv[1]);
    return 1;
  }
  return 0;
}
