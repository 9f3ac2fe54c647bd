#include "report/ReportTexts.h"

#include <array>

namespace {

// English, Russian. Kept character for character as the report has always printed them, odd
// spellings of the Russian column included, so that new reports read like the old ones.
constexpr std::array<std::array<const char*, 2>, kReportTextCount> kTexts = {{
    {"Trawl Door Forces Calculation =============== ",                            //
     "Расчёт сил деёствующих на доску =============== "},                         // 1
    {"Points Coordinates in the Door Front Edge Coordinate System",               //
     "Координаты точек в системе связанной с передней кромкрй доски"},            // 2
    {" Door is in the Initial Position, [m]             X         Y         Z",   //
     "     Доска в начальном положении, [m]             X         Y         Z"},  // 3
    {"                   Warp attachment point : ",                               //
     "                   Точка крепления ваера : "},                              // 4
    {"           Upper Bridle attachment point : ",                               //
     "          Точка крепления верхнего ваера : "},                              // 5
    {"           Lower Bridle attachment point : ",                               //
     "           Точка крепления нижнего ваера : "},                              // 6
    {"Hydrodynamic force",                                                        //
     "Точка приложения"},                                                         // 7
    {"              application point for Wing : ",                               //
     "            гидродинамической силы крыла : "},                              // 8
    {"Hydrodynamic force",                                                        //
     "Точка приложения"},                                                         // 9
    {"          application point for Stringer : ",                               //
     "        гидродинамической силы стрингера : "},                              // 10
    {"                       Centre of gravity : ",                               //
     "                           Центр тяжести : "},                              // 11
    {"              Force of gravity, [newton] : ",                               //
     "                       Сила тяжести, [Н] : "},                              // 12
    {" Resistance of Net and Rigging, [newton] : ",                               //
     "      Сопротивление сети и оснастки, [Н] : "},                              // 13
    {"              Speed of Trawling, [m/sec] : ",                               //
     "                Скорость траления, [м/с] : "},                              // 14
    {"                     Area of Wing, [m^2] : ",                               //
     "                    Площадь крыла, [м^2] : "},                              // 15
    {"                 Area of Stringer, [m^2] : ",                               //
     "                Площадь стрингера, [м^2] : "},                              // 16
    {"                     Chord of Plane, [m] : ",                               //
     "                        Хорда крыла, [м] : "},                              // 17
    {"                     Height of Wing, [m] : ",                               //
     "                       Высота крыла, [м] : "},                              // 18
    {"                 Water Density, [kg/m^3] : ",                               //
     "                Плотность воды, [кг/м^3] : "},                              // 19
    {"                Ground Density, [kg/m^3] : ",                               //
     "              Плотность грунта, [кг/м^3] : "},                              // 20
    {"Coefficient of Force Out from",                                             //
     "Коэффициент выталкивающей силы"},                                           // 21
    {"                   Ground,  [cm^3/newton]: ",                               //
     "                        Грунта,  [см^3/Н]: "},                              // 22
    {"           Bridles Attack Angle [degree] : ",                               //
     "                Угол атаки кабеля [град] : "},                              // 23
    {"Rotation Angles in Actual Position [degree]",                               //
     "Углы поворота в реальном положенеии [град]"},                               // 24
    {"                           Around X axis : ",                               //
     "                            Вокруг оси X : "},                              // 25
    {"                           Around Y axis : ",                               //
     "                            Вокруг оси Y : "},                              // 26
    {"                           Around Z axis : ",                               //
     "                            Вокруг оси Z : "},                              // 27
    {"Points Coordinates. Warp Attachment Point is Origin",                       //
     "Координаты точек в системе связанной с т. крепления ваера"},                // 28
    {" Door is in the Actual Position, [m]              X         Y         Z",   //
     "      Доска в реальном положении [м]              X         Y         Z"},  // 29
    {" Ground Reaction Force Application Point : ",                               //
     "         Точка приложения реакции грунта : "},                              // 30
    {"Forces. Warp Attachment Point is Origin",                                   //
     "Силы. Точка крепления ваера - начало координат"},                           // 31
    {" Door is in the Actual Position, [newton]         X         Y         Z",   //
     "          Доска в реальном положении, [Н]         X         Y         Z"},  // 32
    {"           Force Applied to Upper Bridle : ",                               //
     "      Сила приложенная к верхнему кабелю : "},                              // 33
    {"           Force Applied to Lower Bridle : ",                               //
     "       Сила приложенная к нижнему кабелю : "},                              // 34
    {"      Hydrodynamic Force Applied to Wing : ",                               //
     "   Гидродинамическая сила на крыле доски : "},                              // 35
    {"  Hydrodynamic Force Applied to Stringer : ",                               //
     "     Гидродинамическая сила на стрингере : "},                              // 36
    {"                        Force of Gravity : ",                               //
     "                            Сила тяжести : "},                              // 37
    {"                   Ground Reaction Force : ",                               //
     "                     Сила реакции грунта : "},                              // 38
    {"     Sum of Moments Around X Axis [kN*m] : ",                               //
     "      Сумма моментов вокруг оси X [кН*м] : "},                              // 39
    {"     Sum of Moments Around Y Axis [kN*m] : ",                               //
     "      Сумма моментов вокруг оси Y [кН*м] : "},                              // 40
    {"     Sum of Moments Around Z Axis [kN*m] : ",                               //
     "      Сумма моментов вокруг оси Z [кН*м] : "},                              // 41
    {"True Attack Angle of Otterboard [degree] : ",                               //
     "        Истинный угол атаки доски [град] : "},                              // 42
    {"           Resistance of OtterBoard [kN] : ",                               //
     "                Сопротивление доски [кН] : "},                              // 43
    {"         Spread Force of OtterBoard [kN] : ",                               //
     "               Распорная сила доски [кН] : "},                              // 44
    {"       Vertical force of OtterBoard [kN] : ",                               //
     "            Вертикальная сила доски [кН] : "},                              // 45
    {"Solver sensitivity", "Чувствительность решателя"},                          // 46
    {"Value from 5.0 to 1000.0", "Значение от 5.0 до 1000.0"},                    // 47
    {"Less - coarse, quick solving.", "Меньше - Грубо, но быстро."},              // 48
    {"Great - fine, slow solving.", "Больше - Точно, но медленно."},              // 49
    {"", ""},                                                                     // 50
    {"", ""},                                                                     // 51
    {"", ""},                                                                     // 52
    {"", ""},                                                                     // 53
    {"", ""},                                                                     // 54
    {"", ""},                                                                     // 55
    {"", ""},                                                                     // 56
}};

}  // namespace

int ReportLanguage(int language) {
  return language == 1 ? 1 : 0;
}

std::string_view ReportText(int number, int language) {
  if (number < 1 || number > kReportTextCount) return {};
  return kTexts[static_cast<std::size_t>(number - 1)]
               [static_cast<std::size_t>(ReportLanguage(language))];
}

std::string SolverSensitivityCaption(int language) {
  return std::string(ReportText(kTextSensitivityCaption, language));
}

std::string SolverSensitivityPrompt(int language) {
  std::string prompt(ReportText(kTextSensitivityRange, language));
  prompt += '\n';
  prompt += ReportText(kTextSensitivityCoarse, language);
  prompt += '\n';
  prompt += ReportText(kTextSensitivityFine, language);
  return prompt;
}
