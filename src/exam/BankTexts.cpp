#include "exam/BankTexts.h"

namespace {

// The demonstration bank "DEMO PROVIM MIX Mjek, Infermier, Stomatolog, Farmacist": questions for
// the four professions, mixed. The correct letter, points and font sizes of each question are in
// DemoBank.cpp; every text here has been fitted to its control at those font sizes, so a longer
// wording has to be measured again before it goes in.
constexpr std::array<QuestionText, QuestionCount> texts { {
    // 1
    { "Cila është frekuenca normale e zemrës në qetësi te një i rritur i shëndetshëm?",
        { "60–100 rrahje në minutë", "30–50 rrahje në minutë", "100–140 rrahje në minutë",
            "20–40 rrahje në minutë", "140–180 rrahje në minutë" } },
    // 2
    { "Cili bar përdoret si antidot në helmimin akut me paracetamol?",
        { "N-acetilcisteina", "Naloksoni", "Flumazenili", "Atropina", "Sulfati i protaminës" } },
    // 3
    { "Një burrë 58 vjeç paraqitet me dhimbje shtrënguese retrosternale që ka nisur 40 minuta më "
      "parë. EKG-ja tregon ngritje të segmentit ST në derivacionet II, III dhe aVF. Cila arterie "
      "koronare ka më shumë gjasa të jetë e bllokuar?",
        { "Arteria zbritëse e përparme e majtë", "Arteria cirkumflekse e majtë",
            "Trungu i arteries koronare të majtë", "Arteria e parë diagonale",
            "Arteria koronare e djathtë" } },
    // 4
    { "Sa dhëmbë ka gjithsej dentacioni i përhershëm i plotë, përfshirë dhëmbët e urtësisë?",
        { "20", "28", "32", "24", "36" } },
    // 5
    { "Cili është vendi i rekomanduar për injeksionin intramuskular te një foshnjë nën një vjeç?",
        { "Muskuli vastus lateralis i kofshës", "Muskuli deltoid i krahut",
            "Kuadranti i sipërm i jashtëm i vithes", "Muskuli biceps i krahut", "" } },
    // 6
    { "Një pacient në terapi afatgjatë me varfarinë, me INR të qëndrueshëm 2,5, fillon "
      "klaritromicinë për një pneumoni. Cili është efekti më i mundshëm?",
        { "Ulje e INR-së, rrezik trombozash", "Rritje e INR-së, rrezik gjakderdhjeje",
            "Asnjë ndërveprim me rëndësi klinike", "Hiperkaliemi e rëndë",
            "Ulje e efektit të klaritromicinës" } },
    // 7
    { "Cili grup gjaku konsiderohet dhurues universal i masës eritrocitare?",
        { "AB Rh pozitiv", "A Rh negativ", "0 Rh negativ", "B Rh pozitiv", "AB Rh negativ" } },
    // 8
    { "Cili bakter konsiderohet shkaktari kryesor i kariesit dentar?",
        { "Streptococcus mutans", "Staphylococcus aureus", "Escherichia coli",
            "Treponema denticola", "Porphyromonas gingivalis" } },
    // 9
    { "Një pacient 19 vjeç me diabet tip 1 paraqitet me të vjella, frymëmarrje Kussmaul, glicemi "
      "28 mmol/L, pH 7,12, bikarbonat 9 mmol/L dhe ketone në urinë. Cila është masa e parë dhe "
      "më e rëndësishme?",
        { "Bikarbonat natriumi intravenoz", "Insulinë bazale subkutane",
            "Rehidratim IV me NaCl 0,9%", "Kufizim i marrjes së lëngjeve",
            "Glukozë 10% intravenoze" } },
    // 10
    { "Cili është raporti i kompresioneve të kraharorit me ventilimet në reanimacionin "
      "kardiopulmonar bazë të një të rrituri?",
        { "15:2", "30:2", "5:1", "30:1", "10:2" } },
    // 11
    { "Një pacient me ulçerë duodenale dhe infeksion nga Helicobacter pylori do të trajtohet me "
      "terapi të trefishtë. Cili nga barnat e mëposhtme ul sekretimin e acidit duke frenuar në "
      "mënyrë të pakthyeshme pompën H+/K+-ATPazë të qelizave parietale?",
        { "Ranitidina", "Omeprazoli", "Sukralfati", "Metoklopramidi", "Hidroksidi i aluminit" } },
    // 12
    { "Pas bllokut të nervit alveolar inferior, pacienti ndien mpirje të buzës së poshtme dhe të "
      "dy të tretave të përparme të gjuhës në të njëjtën anë. Cili nerv, përveç atij alveolar "
      "inferior, është anestezuar?",
        { "Nervi bukal", "Nervi hipoglos", "Nervi lingual", "Nervi glosofaringeal",
            "Nervi aurikulotemporal" } },
    // 13
    { "Në cilin pozicion vendoset një pacient pa vetëdije që merr frymë normalisht, në pritje "
      "të ndihmës?",
        { "Shtrirë në shpinë me këmbët e ngritura", "Ulur, në pozicionin Fowler",
            "Në pozicionin anësor të sigurisë", "Shtrirë përmbys mbi bark",
            "Në pozicionin Trendelenburg" } },
    // 14
    { "Cili është efekti anësor më karakteristik që çon në ndërprerjen e frenuesve të ACE, si "
      "enalaprili?",
        { "Bradikardia", "Hipokaliemia", "Hiperglicemia", "Kolla e thatë",
            "Edema e kyçeve të këmbëve" } },
    // 15
    { "Një grua 32 vjeçe ankon humbje peshe, palpitacione, dridhje të duarve dhe djersitje. Në "
      "ekzaminim ka gushë difuze. TSH është e ulët, fT4 e rritur. Cila është diagnoza më e "
      "mundshme?",
        { "Tiroiditi Hashimoto", "Adenoma toksike e tiroides", "Tiroiditi subakut De Quervain",
            "Sëmundja Graves-Basedow", "" } },
    // 16
    { "Cili material përdoret më shpesh për mbushjen definitive të kanaleve të rrënjës?",
        { "Amalgama e argjendit", "Hidroksidi i kalciumit", "Gutaperka me çimento endodontike",
            "Rrëshira kompozite", "Formokrezoli" } },
    // 17: the bank writes the four numbers itself.
    { "Hyrjet në 24 orë: 3000 mL IV dhe 600 mL nga goja. Daljet: urina 2900 mL, aspirati "
      "nazogastrik 1000 mL. Bilanci i lëngjeve (mL)?",
        { "", "", "", "", "" } },
    // 18
    { "Një pacient në terapi me litium fillon hidroklorotiazid për hipertension. Çfarë pritet të "
      "ndodhë me nivelin e litiumit në serum?",
        { "Ulet, sepse rritet eliminimi renal", "Nuk ndryshon në mënyrë të dukshme",
            "Rritet, me rrezik toksiciteti", "Ulet, sepse pakësohet përthithja", "" } },
    // 19
    { "Një infermiere shpohet aksidentalisht me gjilpërë të përdorur te një pacient. Cila është "
      "masa e parë e duhur?",
        { "Lan vendin me ujë të rrjedhshëm e sapun dhe e raporton menjëherë",
            "Thith vendin e shpimit me gojë për të nxjerrë gjakun",
            "Shtrydh fort vendin dhe e lyen me zbardhues klori",
            "Vazhdon punën dhe e raporton në fund të turnit", "" } },
    // 20
    { "Cili është shkaktari më i shpeshtë i pneumonisë së fituar në komunitet te të rriturit?",
        { "Staphylococcus aureus", "Klebsiella pneumoniae", "Pseudomonas aeruginosa",
            "Streptococcus pneumoniae", "" } },
    // 21
    { "Një pacient që prej vitesh merr acid zoledronik intravenoz për metastaza kockore ka "
      "nevojë për nxjerrje dhëmbi. Cili është rreziku më i rëndë dhe tipik?",
        { "Hemorragji e vonuar", "Osteonekroza e nofullës", "Parestezi e nervit mental",
            "Infeksion me Candida", "" } },
    // 22
    { "Cila nga format e mëposhtme të tabletave nuk duhet të ndahet, të thërrmohet apo të "
      "përtypet?",
        { "Tableta me vijë ndarëse", "Tableta e përtypshme", "Tableta me çlirim të zgjatur",
            "Tableta e tretshme në ujë", "" } },
    // 23
    { "Sa shpesh duhet ndryshuar pozicioni i një pacienti të palëvizshëm në shtrat për të "
      "parandaluar plagët nga shtypja (dekubitet)?",
        { "Çdo 8 orë", "Çdo 2 orë", "Një herë në ditë", "Çdo 12 orë", "" } },
    // 24
    { "Pak minuta pas një injeksioni me penicilinë, pacienti shfaq urtikarie, stridor dhe "
      "hipotension. Cili bar duhet dhënë i pari?",
        { "Adrenalinë 0,5 mg intramuskulare", "Klorfenaminë intravenoze",
            "Hidrokortizon intravenoz", "Salbutamol me inhalim", "" } },
    // 25
    { "Në cilën moshë shpërthen zakonisht molari i parë i përhershëm?",
        { "3–4 vjeç", "6–7 vjeç", "9–10 vjeç", "12–13 vjeç", "" } },
    // 26
    { "Cili antibiotik shmanget te fëmijët nën 8 vjeç, sepse mund të shkaktojë ngjyrosje të "
      "përhershme të dhëmbëve?",
        { "Amoksicilina", "Tetraciklina", "Azitromicina", "Cefaleksina", "" } },
    // 27
    { "Sa është pikëzimi i një gruaje 67 vjeçe me fibrilacion atrial, hipertension dhe diabet "
      "tip 2, pa insult, pa insuficiencë kardiake dhe pa sëmundje vaskulare (sipas CHA2DS2-VASc "
      "klasik)?",
        { "3 pikë", "4 pikë", "2 pikë", "5 pikë", "" } },
    // 28
    { "Cila është vlera normale e saturimit periferik të oksigjenit (SpO2) te një i rritur i "
      "shëndetshëm në ajrin e dhomës?",
        { "80–84%", "85–89%", "95–100%", "70–79%", "" } },
    // 29
    { "Cili është përbërësi kryesor inorganik i smaltit të dhëmbit?",
        { "Karbonati i kalciumit", "Fosfati i magnezit", "Oksalati i kalciumit", "Hidroksiapatiti",
            "" } },
    // 30
    { "Një pacient 72 vjeç me diabet tip 2 ka sëmundje renale kronike me eGFR 22 mL/min/1,73 m². "
      "Cili nga barnat e mëposhtme është i kundërindikuar te ky pacient?",
        { "Metformina", "Insulina glargin", "Linagliptina", "Repaglinida", "" } },
    // 31: shown as a picture.
    { "Çfarë lloj përbërjesh organike paraqesin strukturat I dhe II?",
        { "I – fenol, II – alkool", "I – aldehid, II – keton", "I – alkool, II – fenol",
            "Të dyja janë acide karboksilike", "" } },
    // 32: shown as a picture.
    { "Cilës substancë i përket formula strukturore e mëposhtme?",
        { "Paracetamolit", "Acidit acetilsalicilik", "Ibuprofenit", "Kafeinës", "" } },
    // 33
    { "Një pacient ka konvulsione tonike-klonike të përgjithësuara që vazhdojnë prej 7 minutash "
      "pa u rikthyer në vetëdije. Ka rrugë venoze. Cili është bari i zgjedhjes së parë?",
        { "Fenitoinë intravenoze", "Valproat intravenoz", "Lorazepam intravenoz",
            "Levetiracetam intravenoz", "" } },
    // 34
    { "Cila venë përdoret më shpesh për marrjen e gjakut venoz te të rriturit?",
        { "Vena mediane kubitale", "Vena femorale", "Vena jugulare e jashtme",
            "Vena safena e madhe", "" } },
    // 35
    { "Sipas klasifikimit të Black-ut, ku ndodhen kavitetet e klasës II?",
        { "Në gropëzat dhe fisurat okluzale", "Në sipërfaqet proksimale të incizivëve",
            "Në sipërfaqet proksimale të premolarëve e molarëve",
            "Në të tretën cervikale të sipërfaqes vestibulare", "" } },
    // 36
    { "Një pacient që merr simvastatinë 40 mg fillon itrakonazol për një onikomikozë. Cili "
      "rrezik rritet ndjeshëm?",
        { "Hipoglicemia e rëndë", "Ototoksiciteti", "Miopatia dhe rabdomioliza", "Agranulocitoza",
            "" } },
    // 37
    { "Sipas OBSH-së, sa duhet të zgjasë fërkimi higjienik i duarve me tretësirë alkoolike?",
        { "5–10 sekonda", "2–3 minuta", "20–30 sekonda", "5 minuta", "" } },
    // 38
    { "Cili shënues laboratorik është më i përshtatshmi për të vërtetuar dëmtimin e miokardit?",
        { "Troponina kardiake", "Mioglobina", "Laktatdehidrogjenaza", "Aspartat aminotransferaza",
            "" } },
    // 39
    { "Një fëmijë 9 vjeç rrëzohet dhe incizivi qendror i përhershëm i del plotësisht nga "
      "alveola. Nëse riimplantimi i menjëhershëm nuk është i mundur, në çfarë duhet transportuar "
      "dhëmbi?",
        { "Në ujë rubineti", "Në qumësht të ftohtë", "I mbështjellë në pecetë të thatë",
            "Në alkool medicinal", "" } },
    // 40
    { "Si merret saktë tableta sublinguale e nitroglicerinës?",
        { "Gëlltitet me një gotë ujë", "Përtypet dhe gëlltitet",
            "Vendoset nën gjuhë derisa të tretet", "Tretet në një gotë me lëng frutash", "" } },
    // 41
    { "Një pacient diabetik, i vetëdijshëm dhe që gëlltit normalisht, ka glicemi 3,1 mmol/L, "
      "djersitje dhe dridhje. Cila është masa e parë e infermierit?",
        { "I jep 15–20 g glukozë nga goja", "I bën insulinë me veprim të shpejtë",
            "E lë të pushojë dhe e rimat pas 2 orësh", "I jep një vakt të pasur me yndyrë", "" } },
    // 42
    { "Një grua 26 vjeçe paraqitet me dhimbje të fortë në fund të barkut djathtas, amenorre "
      "prej 7 javësh, test shtatzënie pozitiv dhe hipotension. Cila është diagnoza më e "
      "mundshme?",
        { "Shtatzëni ektopike e çarë", "Apendicit akut", "Torsion i ovarit", "Pielonefrit akut",
            "" } },
    // 43
    { "Cili instrument përdoret për heqjen e gurit dentar mbi mishin e dhëmbëve?",
        { "Skaleri", "Sonda periodontale", "Pasqyra dentare", "Ekskavatori", "" } },
    // 44
    { "Cili nga antihistaminikët e mëposhtëm i përket gjeneratës së dytë dhe shkakton pak "
      "përgjumje?",
        { "Difenhidramina", "Prometazina", "Loratadina", "Klorfenamina", "" } },
    // 45
    { "Cili çrregullim elektrolitik jep në EKG valë T të larta e me majë, zgjerim të QRS dhe "
      "rrafshim të valës P?",
        { "Hipokaliemia", "Hiperkalcemia", "Hiponatremia", "Hiperkaliemia", "" } },
    // 46
    { "Cila nga vlerat e mëposhtme të tensionit arterial është normale te një i rritur?",
        { "150/95 mmHg", "115/75 mmHg", "145/92 mmHg", "170/100 mmHg", "" } },
    // 47
    { "Pacienti ankon dhimbje të fortë spontane në një molar, që zgjat disa minuta pasi largohet "
      "stimuli i ftohtë ose i nxehtë dhe e zgjon natën. Cila është diagnoza më e mundshme?",
        { "Pulpit i kthyeshëm", "Pulpit i pakthyeshëm simptomatik", "Hiperndjeshmëri e dentinës",
            "Nekrozë e pulpës", "" } },
    // 48
    { "Një grua shtatzënë 20 javë ka hipertension kronik. Cili nga antihipertensivët e mëposhtëm "
      "është i kundërindikuar?",
        { "Metildopa", "Frenuesit e ACE", "Labetaloli", "Nifedipina me çlirim të zgjatur", "" } },
    // 49
    { "Cila nga këto është shenjë klasike e infeksionit lokal të një plage kirurgjikale?",
        { "Lëkurë e zbehtë dhe e ftohtë përreth", "Mungesë e plotë e sekrecionit",
            "Mbyllje e shpejtë e buzëve të plagës", "Skuqje, ënjtje, nxehtësi dhe dhimbje", "" } },
    // 50
    { "Pas Escherichia coli, cili është shkaktari më i shpeshtë i cistitit të pakomplikuar te "
      "gratë e reja seksualisht aktive?",
        { "Proteus mirabilis", "Enterococcus faecalis", "Staphylococcus saprophyticus",
            "Klebsiella pneumoniae", "" } },
} };

} // namespace

const std::array<QuestionText, QuestionCount> &bankTexts()
{
    return texts;
}
